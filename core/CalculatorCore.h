#pragma once
// The calculator without its window: the engine, the paper tape, the key faces, the keyboard
// mapping, the menu commands and the settings, built and started in one place. The Qt program and
// the key-script harness each own one and only adapt it: they hand in their window's parts
// (CorePorts) and pass the window's events on.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CalcTape.h"
#include "Calculator.h"
#include "CommandRunner.h"
#include "CorePorts.h"
#include "EntryLog.h"
#include "Journal.h"
#include "KeptTapes.h"
#include "KeyFaces.h"
#include "KeyboardMapping.h"
#include "MenuTable.h"
#include "RememberedLabels.h"
#include "Settings.h"
#include "StateText.h"
#include "StoreRecords.h"
#include "TapeKeeper.h"
#include "TapeRequests.h"
#include "WindowLayout.h"

namespace reckora {

class CalculatorCore : private CalculatorOptions,
                       private AlwaysOnTopSwitch,
                       private CommandTarget,
                       private TapeWorkTarget {
public:
    // Starts the calculator in this order: the locale is read, the engine created (memory label
    // "0" + separator + blank, entry "0"), the window scaled for the screen, the stored settings
    // applied, the kept tape brought back (with a store path and Keep Tape ticked, unless the
    // owner brings it back later), NumLock requested.
    // The separator comes before the entry and the entry before the settings select the rounding
    // option, which re-shows the entry with that separator.
    explicit CalculatorCore(CorePorts ports);
    ~CalculatorCore() override;
    CalculatorCore(const CalculatorCore&) = delete;
    CalculatorCore& operator=(const CalculatorCore&) = delete;

    // A click on key face `number` (any number; those without a key only meet the error lock).
    void ClickKey(int number);
    // The mouse pressed or released on a key face: the face only, no key runs. A disabled key
    // (Undo while it is unavailable) gets neither.
    void MouseDown(int number);
    void MouseUp(int number);
    // The main window's keyboard (virtual-key codes, modifier mask) and its focus.
    void KeyDown(int code, int modifiers);
    void KeyUp(int code);
    void FocusLost();
    // Whether the keyboard mapping has a use for this key; the focused control gets the others.
    bool HandlesKey(int code, int modifiers) const;
    // A click on rounding/input option `option`.
    void SelectOption(int option);
    // The display's blink timer fired.
    void OnBlinkTimeout();
    // The main window's size changed, or the tape control's.
    void OnWindowResize();
    void OnTapeResize();

    // A click on the menu entry; a disabled entry does nothing.
    void RunMenu(MenuId id);
    bool MenuEntryEnabled(MenuId id) const;

    // The state the kept tape holds after each command.
    SavedState CurrentState() const;

    // Work on the tape. Lines count the lines in force from 1, the oldest.
    // 0 clears the selection; a line outside 1..lines is ignored.
    void SelectLine(std::int32_t line);
    std::int32_t SelectedLine() const;
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

    const NumberLocale& Locale() const { return locale_; }
    Calculator& Engine() override { return *calculator_; }
    const Calculator& Engine() const { return *calculator_; }
    CalcTape& Tape() { return *tape_; }
    const CalcTape& Tape() const { return *tape_; }
    const KeyFaces& Faces() const { return faces_; }
    WindowLayout& Layout() { return layout_; }
    bool AlwaysOnTop() const { return onTop_; }
    // The parts.
    reckora::KeptTapes& KeptTapes() { return *kept_; }
    const reckora::KeptTapes& KeptTapes() const { return *kept_; }

private:
    class TapeFontWindow;

    // CalculatorOptions and AlwaysOnTopSwitch, for the settings.
    int GetRoundOption() const override;
    void SelectRoundOption(int option) override;
    bool KeepTape() const override { return kept_->KeepTape(); }
    bool TapeVisible() const override;
    void SetTapeVisible(bool visible) override;
    void SetKeepTape(bool keep) override;
    bool OnTopChecked() const override { return onTop_; }
    void SetOnTopChecked(bool checked) override;
    void SetAlwaysOnTop(bool onTop) override;

    // CommandTarget and TapeWorkTarget, for the runner.
    std::int32_t Lines() const override { return tape_->CurrentLine(); }
    SavedState State() const override { return CurrentState(); }
    // The tape selection ends, and the log is started.
    void BeforeKey() override;
    std::optional<std::string> Correct(std::int32_t line, const std::string& text) override;
    std::optional<std::string> Note(std::int32_t line, const std::string& note) override;
    bool HoldsCorrectionUndo() const override { return correctionUndo_.has_value(); }
    std::optional<std::string> TakeBackCorrection() override;

    // An enabled menu entry's action.
    void RunMenuAction(const MenuAction& action);
    void ToggleAlwaysOnTop();
    // A key click; Paste reads the clipboard once.
    void Press(Key key);
    // The listeners of the runner's outcomes.
    void ListenToCommands();
    // A new line is announced to screen readers.
    void AnnounceLines();
    // The tape in use shows a kept sheet: not a command, nothing is journaled.
    void ShowKept(const KeptTape& kept);
    // Floating Point, always on top, the tape shown and the standard height; the window keeps
    // its place and the store is left alone, so the next start brings the saved settings back.
    void RestoreDefaults();
    bool KeyEnabled(Key key) const;
    // The Edit menu's tape commands, on the selected line.
    void AskCorrection();
    // Why the line cannot be corrected, worded for showMessage.
    std::string NotCorrectable(std::int32_t line) const;
    void AskNote();
    void AskPasteColumn();
    ColumnPreview PreviewColumn(std::string_view clipboardText) const;
    // Adds each number as pasting it and pressing + would; the clipboard is left as it is.
    void PasteColumn(const ColumnPreview& preview);
    // -1 up (older), +1 down; without a selection, up selects the newest line.
    void MoveSelection(int step);
    // CorrectEntry with the reason of a refusal returned, worded for showMessage, for the dialog
    // that stays open on it.
    std::optional<std::string> TryCorrectEntry(std::int32_t line, std::string_view text);
    // Keys while a line is selected: Escape leaves the selection, Return corrects it; true when
    // the key was used so.
    bool SelectionKey(int code, int modifiers);
    // The log of the commands that made the tape, built from the kept journal when the tape came
    // from the store.
    EntryLog& Log() const;
    // After every command: the command is noted in the log, and a correction stops being
    // undoable once something else changed.
    void NoteTapeWork(const CommandOutcome& outcome);
    // A correction is no longer the last operation: the Undo key is the engine's again.
    void EndCorrectionUndo();

    CorePorts ports_;
    NumberLocale locale_;
    RememberedDisplay display_;
    RememberedLabel memory_;
    RememberedLabel counter_;
    KeyFaces faces_;
    std::unique_ptr<CalcTape> tape_;
    std::unique_ptr<TapeFontWindow> window_;
    WindowLayout layout_;
    std::unique_ptr<Calculator> calculator_;
    KeyboardMapping keyboard_;
    Settings settings_;
    bool onTop_ = true;
    std::unique_ptr<reckora::KeptTapes> kept_;

    // The work on the tape (TapeWork.cpp).
    struct CorrectionUndo {
        std::int32_t line = 0;         // the corrected line; lines from it on are put back
        std::vector<TapeEntry> lines;  // as they were
        std::map<std::int32_t, LineExtras> extras;
        SavedState state;
        std::size_t step = 0;
        std::optional<std::string> correction;  // the step's correction before
        SavedState stateAfter;                  // another change ends the undo
        std::int32_t linesAfter = 0;
    };
    mutable std::optional<EntryLog> log_;
    // The tape came from the store: the log is built from its journal when first needed.
    mutable bool logFromJournal_ = false;
    std::int32_t announcedLines_ = 0;
    std::optional<CorrectionUndo> correctionUndo_;
    // Every command runs here: keys, menu keys, options, pastes and the work on the tape.
    CommandRunner runner_{*this, RunnerUse::Live};
};

}  // namespace reckora
