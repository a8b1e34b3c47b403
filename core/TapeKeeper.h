#pragma once
// Keeps the calculator's tape in a sheet store: every completed command that changed the tape or
// the state is journaled, in its own transaction, with the lines it added or cut back and the
// state after it; at start the current sheet comes back as it was left.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "EntryLog.h"
#include "Journal.h"
#include "KeptForm.h"
#include "SheetStore.h"
#include "StateText.h"
#include "StoreNotices.h"
#include "TapeMark.h"
#include "TapeModel.h"

namespace reckora {

// A sheet to show: its lines, the state after its last command (none for a sheet without
// commands, or one whose state cannot be used), and the log of the commands that made the lines
// (none when no log gives them: the lines can then not be corrected).
struct KeptTape {
    std::vector<TapeEntry> lines;
    std::map<std::int32_t, LineExtras> extras;  // by line, those that have any
    std::optional<SavedState> state;
    std::optional<EntryLog> log;
};

// A kept sheet to save or print without making it current: its lines as kept (the form the
// text and CSV are written from), as the reader's tape shows them, and its name.
struct SheetToExport {
    std::vector<store::StoredLine> keptLines;
    KeptTape shown;
    std::string name;
    std::int64_t startedMs = 0;
};

class TapeKeeper {
public:
    // Lines, states and commands go over into the kept form and back with `locale`.
    TapeKeeper(SheetStore store, const NumberLocale& locale,
               std::function<void(const TapeNotice&)> showNotice);

    // The current sheet as stored; nothing when there is none. A sheet that cannot be used is
    // kept and a new one started.
    std::optional<KeptTape> LoadCurrent();
    // A command completed; `changes` says what it did to the tape's lines in force, as the
    // tape announced it. Lines rewritten in place are updated where they stand; otherwise the
    // lines after those that stayed are written again, read from the tape. Nothing is written
    // when neither the lines nor the state changed.
    void Record(const JournalCommand& command, const TapeModel& tape, const LineChanges& changes,
                const SavedState& state);
    // A note was set on line `line`: the command is journaled without touching the lines, and
    // the line's note stored beside it.
    void RecordNote(const JournalCommand& command, std::int32_t line, const std::string& note,
                    const SavedState& state);
    // The sheet just loaded shows as `state` (a settled display, say, where it was stored with
    // the display timer pending): the next command records only what it changes from there.
    void ShownAsKept(const SavedState& state);
    // Starts a new sheet, keeping the old one, unless the current one is still empty.
    void StartNewSheet();
    // Keeping starts again after a pause: a new sheet, whose first record is the tape as it is.
    void Resume();
    std::optional<KeptTape> OpenSheet(store::SheetId id);
    bool DeleteSheet(store::SheetId id);
    std::optional<store::SheetId> CurrentSheet() const { return store_->CurrentSheet(); }
    // The current sheet's name; empty when it has none.
    const std::string& CurrentName() const { return currentName_; }
    // Names a sheet (none: the current one), `name` as ReadSheetName gives it; false when the
    // store could not take it.
    bool NameSheet(std::optional<store::SheetId> sheet, const std::string& name);
    // Nothing when the sheet is missing or a line of it cannot be shown.
    std::optional<SheetToExport> LoadToExport(store::SheetId id);
    // The journal of a kept sheet as the calculator runs it again; nothing if it is missing.
    std::optional<std::vector<JournalCommand>> LoadJournal(store::SheetId id);
    // The entry log of the current sheet, just loaded as `kept`: the one kept beside it when the
    // sheet has not changed since, otherwise built by replaying its journal when that gives the
    // sheet's lines (a sheet kept from mid-session does not).
    std::optional<EntryLog> EntryLogOf(const KeptTape& kept);
    // Keeps the log of the current sheet beside it, for the next time it loads; not when the
    // sheet on the store is behind the tape.
    void KeepEntryLog(const EntryLog& log);
    // The kept sheets, each last total as the reader sees it.
    std::vector<store::SheetSummary> Shown(std::vector<store::SheetSummary> sheets) const;
    // The kept sheets, for the history to list and search.
    store::SheetHistory& History() { return *history_; }
    // Tries once more to write the changes held in memory; false when some still cannot be.
    bool WriteHeld() { return store_->WriteHeld(); }
    void OnIdle();

private:
    std::optional<KeptTape> Take(std::optional<store::LoadedSheet> sheet);
    // The lines as the reader's tape shows them; nothing when one has an unknown mark.
    std::optional<KeptTape> Shown(const std::vector<store::StoredLine>& lines) const;
    void TellNotices();

    std::unique_ptr<store::TapeKeeping> store_;
    store::SheetHistory* history_;
    KeptForm form_;
    NumberLocale locale_;
    std::function<void(const TapeNotice&)> showNotice_;
    std::int64_t nextSequence_ = 1;
    // How many lines the current sheet holds on the store. The store's count, not the tape's:
    // it stays behind the tape while a write fails, and is what the next record starts from.
    std::int32_t keptLines_ = 0;
    std::optional<SavedState> keptState_;  // none for a sheet without commands
    bool needsBaseline_ = false;
    std::string currentName_;
    // The sheet and last command of the entry log kept beside a sheet, as last read or written.
    std::optional<std::pair<store::SheetId, std::int64_t>> entryLogKept_;
};

}  // namespace reckora
