#pragma once
// The rows of the sheets in the open store file: a change applied to a sheet's lines, journal and
// summary, a note set, sheets read back, listed, searched and deleted. Writes run inside the
// caller's transaction; reads refuse whatever the program could not use.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "StoreFile.h"
#include "StoreRecords.h"

namespace reckora::store {

// A change that does not fit the sheet as stored; thrown inside a transaction to undo it.
struct Misfit {};

class SheetRows {
public:
    explicit SheetRows(StoreFile& file) : file_(file) {}

    // Records one command on `sheet`: its record, the lines after keepLines replaced, the
    // summary and the state. Throws Misfit when the change does not fit the sheet.
    void Apply(SheetId sheet, const SheetChange& change);
    // Sets (or with nothing clears) the note of line `line` of `sheet`; throws Misfit when the
    // sheet has no such line.
    void SetNote(SheetId sheet, std::int64_t line, const std::optional<std::string>& note);
    // Names `sheet` (with nothing: no name); throws Misfit when there is no such sheet.
    void SetName(SheetId sheet, const std::optional<std::string>& name);
    // Deletes a sheet with its lines, journal and entry log.
    void Delete(SheetId id);
    // Deletes rows a damaged file left under the id of a sheet just made.
    void Clear(SheetId id);
    // The entry log kept for `sheet` (opaque text), replacing the one kept before; none is kept in
    // a file without their table.
    void KeepEntryLog(SheetId sheet, std::string_view log);
    // The entry log kept for `sheet`; nothing when none is.
    std::optional<std::string> KeptEntryLog(SheetId sheet);

    // A stored sheet; nothing if missing or unusable. `damaged` tells whether reading it found
    // the file damaged.
    std::optional<LoadedSheet> Load(SheetId id, bool* damaged = nullptr);
    bool ReadCommands(SheetId id, const std::function<void(const CommandRecord&)>& take);
    std::vector<SheetSummary> List();
    std::vector<SheetSummary> FindByAmount(double amount);
    std::vector<SheetSummary> FindByNote(const std::string& words);

private:
    void WriteLine(Statement& write, SheetId sheet, std::int64_t number, const StoredLine& line);
    std::optional<std::string> LastTotalAfter(SheetId sheet, const SheetChange& change,
                                              std::int64_t linesBefore,
                                              std::optional<std::string> before);
    std::vector<SheetSummary> Summaries(Statement* query);

    StoreFile& file_;
};

}  // namespace reckora::store
