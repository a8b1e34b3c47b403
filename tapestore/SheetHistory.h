#pragma once
// What the history of kept sheets needs of a store: the sheets listed, newest change first, and
// found by an amount shown on a line or by the words of a note or name, and one read without
// making it current (to save or print it).

#include <optional>
#include <string>
#include <vector>

#include "StoreRecords.h"

namespace reckora::store {

class SheetHistory {
public:
    virtual ~SheetHistory() = default;

    virtual std::vector<SheetSummary> ListSheets() = 0;
    virtual std::vector<SheetSummary> FindSheetsByAmount(double amount) = 0;
    virtual std::vector<SheetSummary> FindSheetsByNote(const std::string& words) = 0;
    virtual std::optional<LoadedSheet> LoadSheet(SheetId id) = 0;
    // The sheet the program continues at its next start (the one a running window works on);
    // nothing when there is none.
    virtual std::optional<SheetId> LastCurrentSheet() = 0;

protected:
    SheetHistory() = default;
    SheetHistory(const SheetHistory&) = default;
    SheetHistory& operator=(const SheetHistory&) = default;
};

}  // namespace reckora::store
