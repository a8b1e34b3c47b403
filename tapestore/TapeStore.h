#pragma once
// The tapes kept on disk: one SQLite file of sheets (each sheet one tape), their lines, the
// journal of the commands that made them and the engine state after the last one. The store
// never stops the calculator: what it cannot write now it holds in memory and writes when it can.
//
// States (IsKeeping and the notices):
//   keeping      every Record, SetNote and NewSheet is written in its own transaction before the
//                call returns.
//   not keeping  the file cannot be written (disk full, read-only or vanished folder, the file
//                moved or removed, the store busy beyond the timeout, no file could be opened):
//                calls succeed as Held, in memory, in order. The next call retries; once writing
//                works the held changes are written in order and the store is keeping again.
// Each change of state is told once through TakeNotice:
//   MovedAside      at opening: the file was not a usable store (not a database, damaged,
//                   truncated, a newer schema, locked or unreadable); it was renamed to
//                   `detail` (never deleted) and a fresh store started; `cause` says why.
//   CannotKeep      storing stopped; `cause` says why, `detail` adds the folder or the system's
//                   own words where there are any.
//   Resumed         storing works again; nothing was lost.
//   SheetRestarted  storing works again in a fresh file (the old one vanished with its folder):
//                   the current sheet starts anew and lost what was held; the caller records a
//                   baseline (a change with keepLines 0, every line in force and the state).
//   SheetTaken      at opening: another running instance works on the sheet that was current,
//                   so this one started a new sheet.
//   ReadOnly        at opening: the file is a store that can be read but not written (a
//                   read-only file, folder or file system). Its sheets show and load as kept;
//                   changes are held in memory and written if the file becomes writable. The
//                   file is never moved aside for it. `detail` is the file's path.
//
// A sheet is made by the first change written to it, never by opening the store or by NewSheet
// alone, so a start that changes nothing leaves no empty sheet behind.
//
// Two instances on one store: each works on its own sheet. A sheet belongs to the instance that
// made it current; a second instance starting finds the current sheet taken and starts a new
// one with its first change, and OpenSheet refuses a sheet another running instance works on.
// SQLite's locks with a busy timeout keep their transactions apart.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "SheetHistory.h"
#include "StoreRecords.h"
#include "StoreResults.h"
#include "TapeKeeping.h"

namespace reckora::store {

// When a committed command is on the disk. Normal (WAL with synchronous=NORMAL): a crash of the
// program loses nothing committed; the log is synced to the disk at most once a second (see
// SyncIfDue), so a power cut loses at most about the last second of commands, never the file.
// Full: every commit waits for the disk, so a power cut loses nothing committed either, at the
// price of one disk sync per command.
enum class Durability { Normal, Full };

// How often, at most, a store in Normal durability syncs its log to the disk.
inline constexpr std::int64_t SyncIntervalMs = 1000;

struct StoreOptions {
    std::filesystem::path path;  // the store file; missing folders are made
    int busyTimeoutMs = 2000;    // how long a write waits for another instance's transaction
    Durability durability = Durability::Normal;
    std::function<std::int64_t()> clockMs;  // milliseconds since 1970; empty: the system clock
    // Tests: when set, the most pages the file may have, read before every write, to make the
    // store full and then not full at will.
    const std::int64_t* pageLimit = nullptr;
    // A missing file (with its folder and the instance's lock file) is made by the first change
    // written rather than at opening, so that a start that keeps nothing leaves nothing behind
    // and costs no SQLite work. Until then the store has no sheet and lists none.
    bool makeFileWhenFirstWritten = false;
};

enum class OpenedAs {
    Existing,     // an existing store was opened
    Created,      // there was none: a fresh one was made
    MovedAside,   // the file was unusable: moved aside, a fresh one was made (a notice says where)
    Unavailable,  // nothing could be opened: not keeping (a notice says why)
    NotMadeYet,   // there was none, and makeFileWhenFirstWritten leaves it to the first change
    ReadOnly,     // an existing store that can be read but not written (a notice says so)
};

class TapeStore final : public TapeKeeping, public SheetHistory {
public:
    // Opens or makes the store and takes up its current sheet (or a new one if another instance
    // works on it). Never throws for trouble with the file; see OpenedAs and TakeNotice.
    explicit TapeStore(StoreOptions options);
    // Lets go of the current sheet, so the next start continues it.
    ~TapeStore() override;
    TapeStore(const TapeStore&) = delete;
    TapeStore& operator=(const TapeStore&) = delete;

    OpenedAs HowOpened() const;
    bool IsKeeping() const;
    // The next notice to show the user, each once, oldest first.
    std::optional<StoreNotice> TakeNotice() override;

    // The sheet this instance works on; nothing until its first change is stored.
    std::optional<SheetId> CurrentSheet() const override;
    // The current sheet as stored, to restore at start-up; nothing when there is nothing to
    // restore or it cannot be used (then the caller starts empty and records a baseline).
    std::optional<LoadedSheet> LoadCurrent() override;

    // Records one completed command on the current sheet, all in one transaction: its record,
    // the lines after keepLines replaced, the summary and the state. Refused when keepLines
    // exceeds the lines in force, the sequence does not increase, or a line's mark is unknown.
    WriteResult Record(const SheetChange& change) override;
    // Sets (or with nothing clears) the note of line `line` (from 1) of the current sheet.
    WriteResult SetNote(std::int64_t line, const std::optional<std::string>& note) override;
    // Names a sheet (none: the current one, also while it is held in memory); with nothing, or
    // for an empty name, the sheet has no name. Refused for a sheet that is not in the store.
    // The caller reads the name the user typed with ReadSheetName.
    WriteResult NameSheet(std::optional<SheetId> sheet,
                          const std::optional<std::string>& name) override;
    // Syncs the log to the disk if commands were committed without a sync and the last sync is
    // SyncIntervalMs old. Record does it too; the caller also calls it from an idle timer
    // (about once a second), so that a command after a quiet spell is on the disk soon too.
    void SyncIfDue() override;
    // Tries once more to write what is held in memory; false when some of it still cannot be
    // written (the program ends: it would be lost).
    bool WriteHeld() override;
    // Lets go of the current sheet, which is kept; the next change starts a new one.
    WriteResult NewSheet() override;
    // Makes a stored sheet current (the one it replaces is kept) and loads it. In a read-only
    // store the sheet is loaded and shown as current, nothing is written, and the changes held
    // for the sheet shown before (which could not be kept) are dropped.
    OpenSheetResult OpenSheet(SheetId id, LoadedSheet& loaded) override;

    // Sheets newest change first.
    std::vector<SheetSummary> ListSheets() override;
    // Sheets with a line showing this amount (the caller parses what the user typed).
    std::vector<SheetSummary> FindSheetsByAmount(double amount) override;
    // Sheets with a note, or a name, holding every word of `words`, capitals folded as NoteSearch
    // does.
    std::vector<SheetSummary> FindSheetsByNote(const std::string& words) override;
    // Deletes a sheet with its lines and journal. Refused for a sheet an instance works on.
    WriteResult DeleteSheet(SheetId id) override;

    // A stored sheet without making it current (for a preview or an export); nothing if missing
    // or unusable.
    std::optional<LoadedSheet> LoadSheet(SheetId id) override;
    std::optional<SheetId> LastCurrentSheet() override;
    bool ReadCommands(SheetId id, const std::function<void(const CommandRecord&)>& take) override;
    bool KeepEntryLog(const std::string& log) override;
    std::optional<std::string> KeptEntryLog(SheetId id) override;

    // The path of the store file.
    const std::filesystem::path& Path() const;

private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace reckora::store
