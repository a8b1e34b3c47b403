#include "SheetClaims.h"

namespace reckora::store {

void SheetClaims::TakeSlot() {
    if (!slot_) {
        slot_ = InstanceSlot::Take(file_.Native());
    }
}

std::optional<std::int64_t> SheetClaims::Owner() const {
    return slot_ ? std::optional<std::int64_t>(slot_->Number()) : std::nullopt;
}

std::optional<std::int64_t> SheetClaims::OwnerOf(SheetId id) {
    Statement& row = file_.Statements()->sheetRow;
    ResetOnExit reset(row);
    row.Bind(1, id);
    if (!row.Step()) {
        return std::nullopt;
    }
    return row.Type(2) == SQLITE_INTEGER ? row.Int(2) : -1;
}

bool SheetClaims::IsFreeForMe(std::int64_t owner) const {
    return owner < 0 || (slot_ && owner == slot_->Number()) ||
           !InstanceSlot::IsHeld(file_.Native(), static_cast<int>(owner));
}

void SheetClaims::Claim(SheetId id) {
    file_.Statements()->claim.Bind(1, id).Bind(2, Owner()).Run();
    file_.Statements()->currentSet.Bind(1, id).Run();
}

void SheetClaims::MakeCurrent(SheetId id) {
    if (current_) {
        file_.Statements()->release.Bind(1, *current_).Bind(2, Owner()).Run();
    }
    Claim(id);
    current_ = id;
}

void SheetClaims::LetGo() {
    if (current_) {
        file_.Statements()->release.Bind(1, *current_).Bind(2, Owner()).Run();
        current_.reset();
    }
}

SheetId SheetClaims::InsertSheet() {
    Statement& insert = file_.Statements()->insertSheet;
    insert.Bind(1, file_.Now()).Bind(2, Owner()).Run();
    const SheetId id = sqlite3_last_insert_rowid(file_.Handle());
    // A new sheet starts empty: rows a damaged file left under its id would make it unreadable
    // (a line numbered 0) or come back as its own.
    rows_.Clear(id);
    Claim(id);
    return id;
}

std::optional<SheetId> SheetClaims::TakeUpSheet(bool* taken) {
    std::optional<SheetId> last;
    {
        Statement& get = file_.Statements()->currentGet;
        ResetOnExit reset(get);
        if (get.Step() && get.Type(0) == SQLITE_INTEGER) {
            last = get.Int(0);
        }
    }
    if (last && slot_) {
        const std::optional<std::int64_t> owner = OwnerOf(*last);
        if (owner && IsFreeForMe(*owner)) {
            Claim(*last);
            return *last;
        }
        if (owner && taken != nullptr) {
            *taken = true;
        }
    }
    return std::nullopt;
}

std::optional<SheetId> SheetClaims::LastCurrent() {
    if (file_.Statements() == nullptr) {
        return std::nullopt;
    }
    try {
        Statement& get = file_.Statements()->currentGet;
        ResetOnExit reset(get);
        if (get.Step() && get.Type(0) == SQLITE_INTEGER) {
            return get.Int(0);
        }
    } catch (const SqliteError&) {
    }
    return std::nullopt;
}

void SheetClaims::ReleaseAtClose() {
    if (!file_.IsOpen() || !current_) {
        return;
    }
    try {
        file_.Statements()->release.Bind(1, *current_).Bind(2, Owner()).Run();
    } catch (const SqliteError&) {
        // The next start finds the sheet still marked; the lock of the slot is gone by then.
    }
}

}  // namespace reckora::store
