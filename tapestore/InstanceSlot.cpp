#include "InstanceSlot.h"

namespace reckora::store {

namespace {

std::string SlotPath(const std::string& storePath, int slot) {
    return storePath + ".instance" + std::to_string(slot);
}

// An exclusive lock on the slot's file, or nothing if another connection holds it. The file is
// an empty SQLite database in rollback mode: an exclusive transaction locks it without writing.
std::optional<Connection> LockSlot(const std::string& storePath, int slot) {
    try {
        Connection lock(SlotPath(storePath, slot), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        lock.Execute("BEGIN EXCLUSIVE");
        return lock;
    } catch (const SqliteError&) {
        return std::nullopt;
    }
}

}  // namespace

std::optional<InstanceSlot> InstanceSlot::Take(const std::string& storePath) {
    for (int slot = 0; slot < InstanceSlots; ++slot) {
        if (std::optional<Connection> lock = LockSlot(storePath, slot)) {
            return InstanceSlot(std::move(*lock), slot);
        }
    }
    return std::nullopt;
}

bool InstanceSlot::IsHeld(const std::string& storePath, int slot) {
    return slot >= 0 && slot < InstanceSlots && !LockSlot(storePath, slot).has_value();
}

}  // namespace reckora::store
