#pragma once
// What the core needs of a store of tape sheets. The program's store is SQLite (tapestore/);
// a build without SQLite has none, and then the calculator keeps nothing.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ShownAmount.h"
#include "StoreNotices.h"
#include "StoreRecords.h"
#include "TapeStore.h"

namespace reckora {

class SheetStore {
public:
    virtual ~SheetStore() = default;

    // The next notice for the user (a store moved aside, storing stopped or resumed, the current
    // sheet taken by another window), each once, worded.
    virtual std::optional<TapeNotice> TakeNotice() = 0;
    virtual std::optional<store::SheetId> CurrentSheet() const = 0;
    virtual std::optional<store::LoadedSheet> LoadCurrent() = 0;
    // Refused (the change did not fit the sheet) or Lost (storing resumed in a fresh file): the
    // caller records a baseline (keepLines 0, every line and the state).
    virtual store::WriteResult Record(const store::SheetChange& change) = 0;
    // Sets (or with nothing clears) the note of line `line` (from 1) of the current sheet.
    virtual store::WriteResult SetNote(std::int64_t line,
                                       const std::optional<std::string>& note) = 0;
    virtual void SyncIfDue() = 0;
    // False when changes held in memory still cannot be written.
    virtual bool WriteHeld() = 0;
    virtual void NewSheet() = 0;
    virtual std::optional<store::LoadedSheet> OpenSheet(store::SheetId id) = 0;
    virtual bool DeleteSheet(store::SheetId id) = 0;
    virtual std::vector<store::SheetSummary> ListSheets() = 0;
    virtual std::vector<store::SheetSummary> FindSheetsByAmount(double amount) = 0;
    virtual std::vector<store::SheetSummary> FindSheetsByNote(const std::string& words) = 0;
    virtual std::optional<std::vector<store::CommandRecord>> LoadCommands(store::SheetId id) = 0;
    // Names a sheet (none: the current one); an empty name removes it. False when it could not.
    virtual bool NameSheet(std::optional<store::SheetId> sheet, const std::string& name) = 0;
    // A kept sheet without making it current (to export or print it); nothing if it is missing
    // or unusable.
    virtual std::optional<store::LoadedSheet> LoadSheet(store::SheetId id) = 0;
};

// When a store file is made: at once, or with the first change kept (a start that keeps nothing
// then leaves no file behind).
enum class StoreFileMade { AtOnce, WithFirstChange };

// Opens the store at `path`, making it when there is none; nothing in a build that keeps no
// tapes.
std::unique_ptr<SheetStore> OpenSheetStore(const std::filesystem::path& path, StoreFileMade made);

}  // namespace reckora
