#pragma once
// Tells running instances of the program apart: each holds one numbered slot, a lock on a small
// file beside the store that the system drops when the process ends, however it ends. A sheet
// records the slot of the instance working on it; a slot nobody holds means that instance is gone.

#include <optional>
#include <string>

#include "Sqlite.h"

namespace reckora::store {

inline constexpr int InstanceSlots = 16;

class InstanceSlot {
public:
    // Takes the first free slot beside `storePath`; none when all are held or none can be made.
    static std::optional<InstanceSlot> Take(const std::string& storePath);
    // Whether some instance, this process included, holds slot `slot` beside `storePath`.
    static bool IsHeld(const std::string& storePath, int slot);

    int Number() const { return number_; }

private:
    InstanceSlot(Connection lock, int number) : lock_(std::move(lock)), number_(number) {}

    Connection lock_;  // an exclusive transaction kept open for the instance's life
    int number_;
};

}  // namespace reckora::store
