#pragma once
// The claims between instances working on one store: this instance's owner slot, the sheet it
// works on (marked as its own in the file, and remembered there as the one to continue), and
// whether a sheet is free for it. Writes run inside the caller's transaction.

#include <cstdint>
#include <optional>

#include "InstanceSlot.h"
#include "SheetRows.h"
#include "StoreFile.h"
#include "StoreRecords.h"

namespace reckora::store {

class SheetClaims {
public:
    SheetClaims(StoreFile& file, SheetRows& rows) : file_(file), rows_(rows) {}

    // The sheet this instance works on; nothing until its first change is stored.
    std::optional<SheetId> Current() const { return current_; }
    void SetCurrent(std::optional<SheetId> sheet) { current_ = sheet; }

    // Takes an owner slot unless this instance holds one already.
    void TakeSlot();
    // The owner column of a sheet: outer nothing if there is no such sheet, inner nothing if no
    // one works on it.
    std::optional<std::int64_t> OwnerOf(SheetId id);
    // Whether a sheet with this owner may be taken: no one, this instance, or one not running.
    bool IsFreeForMe(std::int64_t owner) const;
    // Marks a sheet as this instance's and as the one to continue.
    void Claim(SheetId id);
    // Lets go of the current sheet and claims `id` in its place.
    void MakeCurrent(SheetId id);
    // Lets go of the current sheet; the next change starts a new one.
    void LetGo();
    // Makes a new, empty sheet claimed by this instance.
    SheetId InsertSheet();
    // The sheet last made current if no running instance works on it, otherwise none (the first
    // change makes one); `taken` tells whether another instance works on that sheet.
    std::optional<SheetId> TakeUpSheet(bool* taken = nullptr);
    // The sheet last made current, read without claiming it.
    std::optional<SheetId> LastCurrent();
    // Leaves the current sheet unmarked as the program ends, so the next start continues it.
    void ReleaseAtClose();

private:
    // The value of a sheet's owner column for this instance: its slot, or NULL without one.
    std::optional<std::int64_t> Owner() const;

    StoreFile& file_;
    SheetRows& rows_;
    std::optional<InstanceSlot> slot_;
    std::optional<SheetId> current_;
};

}  // namespace reckora::store
