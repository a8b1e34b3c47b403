#pragma once
// Lets a held key reach the keyboard mapping as one press and one release, whatever the window
// system's auto-repeat sends: on X11 a held key repeats as release/press pairs stamped with the
// same time, and whether the toolkit marks the release as a repeat is a race it loses on a busy
// machine.

#include <cstdint>
#include <functional>
#include <optional>

namespace reckora {

struct RawKeyEvent {
    bool press = false;
    int virtualKey = 0;
    int modifiers = 0;
    std::uint32_t scanCode = 0;  // the window system's code of the physical key
    std::uint64_t time = 0;      // the window system's time stamp, in milliseconds
};

class HeldKeyFilter {
public:
    // keyStillDown asks the window system whether a physical key is down right now; deliver
    // receives the events that count.
    HeldKeyFilter(std::function<bool(std::uint32_t scanCode)> keyStillDown,
                  std::function<void(const RawKeyEvent&)> deliver);

    // A release of a key that is still down is held back until the next event shows what it
    // was: the repeat press that follows it at the same time drops both; anything else lets it
    // through first.
    void Take(const RawKeyEvent& event);
    // Another window took the keyboard: a release held back is dropped with the focus loss.
    void Forget() { pendingRelease_.reset(); }

    // A repeat press follows its release within this many milliseconds; no hand is that fast.
    static constexpr std::uint64_t RepeatPairGap = 2;

private:
    std::function<bool(std::uint32_t)> keyStillDown_;
    std::function<void(const RawKeyEvent&)> deliver_;
    std::optional<RawKeyEvent> pendingRelease_;
};

}  // namespace reckora
