#pragma once
// The work on the tape in use: the selection, corrections of past entries through the entry log
// and their undo, notes, Find, Paste Column, the screen reader's new lines, and showing a kept
// sheet in place of the tape. It is the runner's tape-work target.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CalcTape.h"
#include "Calculator.h"
#include "CommandRunner.h"
#include "CorePorts.h"
#include "EntryLog.h"
#include "TapeKeeper.h"
#include "TapeRequests.h"

namespace reckora {

// The parts of the calculator the tape work changes, and what it asks of the others.
struct TapeWorkParts {
    CorePorts& ports;
    const NumberLocale& locale;
    TapeModel& lines;
    CalcTape& tape;
    Calculator& engine;
    CommandRunner& runner;
    // The state the kept tape holds after each command.
    std::function<SavedState()> state;
    // New is about to start the log afresh: the log of the tape it ends may be kept now.
    std::function<void()> tapeEnding;
};

class TapeWork final : private TapeWorkTarget {
public:
    explicit TapeWork(TapeWorkParts parts);
    TapeWork(const TapeWork&) = delete;
    TapeWork& operator=(const TapeWork&) = delete;

    // Becomes the runner's tape-work target and notes every outcome: new lines are announced,
    // a correction stops being undoable once something else changed, and the keys that changed
    // something go into the entry log.
    void Listen();
    // A key is about to run: the selection ends, and the log is started.
    void BeforeKey();
    // The tape in use shows a kept sheet as it was left, and its lines can be corrected as far as
    // the entry log that comes with it reaches; a sheet without a state (one without commands) is
    // a new tape, and New runs.
    void ShowKept(KeptTape kept);
    // A sheet the user opened replaced the tape: its new lines are announced, and the correction
    // before it can no longer be undone.
    void SheetOpened();
    // The log of the commands that made the tape; none until a key ran on a tape no log came with.
    const std::optional<EntryLog>& Log() const { return log_; }
    // The Undo key takes back a correction.
    bool CorrectionUndoable() const { return correctionUndo_.has_value(); }

    // Lines count the lines in force from 1, the oldest. 0 clears the selection; a line outside
    // 1..lines is ignored.
    void SelectLine(std::int32_t line);
    std::int32_t SelectedLine() const;
    // -1 up (older), +1 down; without a selection, up selects the newest line.
    void MoveSelection(int step);
    // Keys while a line is selected: Escape leaves the selection, Return corrects it; true when
    // the key was used so.
    bool SelectionKey(int code, int modifiers);

    // The line shows a number the user entered (typed or pasted), which a correction may change.
    bool CanCorrect(std::int32_t line) const;
    // Everything after the line is worked out again as if `text` (read as a paste is) had been
    // entered there. Nothing changes for a line that shows no entered number, a text that is not
    // a number, or a correction that would end in the error state or past the display's
    // capacity; the reason is then shown as a message.
    void CorrectEntry(std::int32_t line, std::string_view text);
    // Empty removes the note.
    void SetNote(std::int32_t line, std::string note);
    // The lines Find steps through, oldest first: a number (in any grouping a paste accepts)
    // matches lines showing that value or corrected from it; other text matches notes holding
    // all its words.
    std::vector<std::int32_t> FindLines(std::string_view text) const;
    ColumnPreview PreviewColumn(std::string_view clipboardText) const;
    // Adds each number as pasting it and pressing + would; the clipboard is left as it is.
    void PasteColumn(const ColumnPreview& preview);

    // The Edit menu's tape commands, on the selected line or the clipboard.
    void AskCorrection();
    void AskNote();
    void AskPasteColumn();

private:
    struct CorrectionUndo {
        std::int32_t line = 0;  // the corrected line; lines from it on are put back
        // The lines from it on and their extras as they were: the tape holds only the corrected
        // ones, and the log could give them back only by replaying the whole tape.
        std::vector<TapeEntry> lines;
        std::map<std::int32_t, LineExtras> extras;
        SavedState state;
        std::size_t step = 0;
        std::optional<std::string> correction;  // the step's correction before
        SavedState stateAfter;                  // another change ends the undo
        std::int32_t linesAfter = 0;
    };

    // TapeWorkTarget, for the runner.
    std::optional<std::string> Correct(std::int32_t line, const std::string& text) override;
    std::optional<std::string> Note(std::int32_t line, const std::string& note) override;
    bool HoldsCorrectionUndo() const override { return CorrectionUndoable(); }
    std::optional<std::string> TakeBackCorrection() override;

    // CorrectEntry with the reason of a refusal returned, worded for showMessage, for the dialog
    // that stays open on it.
    std::optional<std::string> TryCorrectEntry(std::int32_t line, std::string_view text);
    // Why the line cannot be corrected, worded for showMessage.
    std::string NotCorrectable(std::int32_t line) const;
    // After every command: the command is noted in the log, and a correction stops being
    // undoable once something else changed.
    void NoteCommand(const CommandOutcome& outcome);
    // A new line is announced to screen readers.
    void AnnounceLines();
    // A correction is no longer the last operation: the Undo key is the engine's again.
    void EndCorrectionUndo();

    CorePorts& ports_;
    const NumberLocale& locale_;
    TapeModel& lines_;
    CalcTape& tape_;
    Calculator& engine_;
    CommandRunner& runner_;
    std::function<SavedState()> state_;
    std::function<void()> tapeEnding_;
    // The commands that made the tape; none until a key runs on a tape no log came with (then
    // none of the lines already there can be corrected).
    std::optional<EntryLog> log_;
    std::int32_t announcedLines_ = 0;
    std::optional<CorrectionUndo> correctionUndo_;
};

}  // namespace reckora
