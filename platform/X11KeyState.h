#pragma once
// The X server's side of held keys: repeats sent as presses alone where the server grants it,
// and whether a physical key is down right now. Off X11 neither is available.

#include <cstdint>

namespace reckora {

// Asks the X server to repeat a held key with presses alone, without the releases between them
// (XKB detectable auto-repeat) for the program's connection; false where it is refused.
bool RequestDetectableAutoRepeat();

// Whether the key with this X key code is down at the server now; false off X11.
bool X11KeyIsDown(std::uint32_t keyCode);

}  // namespace reckora
