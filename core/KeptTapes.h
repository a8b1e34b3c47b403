#pragma once
// The kept tapes: the store's life (opened once, kept to as the Keep Tape tick says), the history
// of kept sheets and what is done with them (open, delete, name, export, print), the saving of
// the tape in force, and the window's title after the current sheet's name.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CalcTape.h"
#include "CommandRunner.h"
#include "CorePorts.h"
#include "StoreRecords.h"
#include "TapeKeeper.h"

namespace reckora {

// What the kept tapes need of the tape in use.
struct TapeInUse {
    // The state the kept tape holds after each command.
    std::function<SavedState()> state;
    // The tape in use shows a kept sheet as it was left.
    std::function<void(KeptTape kept)> show;
    // A sheet the user opened took the place of the tape in use.
    std::function<void()> opened;
    // The log of the commands that made the tape in use; none when there is none yet.
    std::function<const std::optional<EntryLog>&()> log;
};

class KeptTapes {
public:
    KeptTapes(CorePorts& ports, const NumberLocale& locale, const TapeModel& lines, CalcTape& tape,
              TapeInUse inUse);
    ~KeptTapes();
    KeptTapes(const KeptTapes&) = delete;
    KeptTapes& operator=(const KeptTapes&) = delete;

    // Start-up is over once the settings are applied: the kept tape comes back now, or with
    // BringBackTape when `bringBackLater`; from then on ticking Keep Tape starts keeping anew.
    void Start(bool bringBackLater);
    // The kept tape comes back as it was left; once, and before anything the user does.
    void BringBackTape();
    // The keeper journals each command that ran, and the title follows the sheet's name.
    void Listen(CommandRunner& runner);

    // The Keep Tape tick.
    bool KeepTape() const { return keepTape_; }
    void SetKeepTape(bool keep);

    // The history: every sheet for an empty search, the sheets with a line of that amount for a
    // number in the user's locale, otherwise those whose notes hold the words; newest change
    // first. Empty without a store; listed with Keep Tape off too.
    std::vector<store::SheetSummary> TapeHistory(std::string_view search);
    // Makes a kept sheet the current tape (the one it replaces stays kept); false when it is
    // missing, in use by another instance, damaged, or there is no store. With Keep Tape off it
    // is shown all the same, and what follows is not kept.
    bool OpenSheet(store::SheetId id);
    // Deletes a kept sheet; never the current one.
    bool DeleteSheet(store::SheetId id);
    std::optional<store::SheetId> CurrentSheet() const;
    // Names a kept sheet (none: the current one) with what the user typed, read by
    // ReadSheetName; empty text removes the name. The result is the reason when it was not
    // taken, worded for showMessage.
    std::optional<std::string> NameSheet(std::optional<store::SheetId> sheet,
                                         std::string_view typed);
    // The current sheet's name; empty when it has none or nothing is kept.
    std::string CurrentSheetName() const;
    // The journal of the current sheet, in order; nothing without a store.
    std::optional<std::vector<JournalCommand>> CurrentJournal();

    // Writes, or prints, a kept sheet without opening it; false (with the cause in `error` for
    // a file) when it cannot.
    bool ExportSheet(store::SheetId id, TapeFormat format, const std::filesystem::path& path,
                     std::string& error);
    bool PrintSheet(store::SheetId id);
    // The tape in force as text laid out as it prints, and as CSV (see TapeExport.h); a named
    // tape carries its name.
    std::string TapeText() const;
    std::string TapeCsv() const;
    // Writes the tape in force to `path`; false with the cause in `error` when it cannot.
    bool ExportTape(TapeFormat format, const std::filesystem::path& path, std::string& error);
    // File, Save Tape As: asks where (and under which name) and writes the tape in force.
    void SaveTapeAs();

    // Called about once a second while the program is idle: the store syncs what is due.
    void OnIdle();
    // The program ends: what the store held in memory is written one last time; if it still
    // cannot be, the user is told that those changes are lost.
    void OnExit();

    // The log of the tape in use is kept beside its sheet, which it is about to leave (New, the
    // history, the end of the session), so that the sheet's lines are correctable at once when
    // it comes back.
    void KeepEntryLog();

private:
    // With `bringBack` the current sheet comes back as it was left (start-up); otherwise the tape
    // as it is starts a new sheet.
    void StartKeeping(bool bringBack);
    // Opens the tape store once; false (the user told why) when there is none.
    bool OpenKeeper();
    // The sheet just made current is shown, with the log of the commands that made it.
    void ShowKept(KeptTape kept);
    void RecordCommand(const CommandOutcome& outcome);
    // The window's title follows the current sheet's name.
    void ShowSheetName();
    // What a saved or printed document of the tape is headed with.
    std::string DocumentTitle();
    std::string OriginalWords() const;

    CorePorts& ports_;
    const NumberLocale& locale_;
    const TapeModel& lines_;
    CalcTape& tape_;
    TapeInUse inUse_;
    bool keepTape_ = true;
    bool started_ = false;
    bool tapeDue_ = false;
    bool showingKept_ = false;  // a kept sheet is being shown: what that does is not a command
    std::unique_ptr<TapeKeeper> keeper_;
    std::optional<std::string> shownName_;
};

}  // namespace reckora
