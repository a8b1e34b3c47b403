#pragma once
// The X server's side of held keys: repeats sent as presses alone where the server grants it,
// and whether a physical key is down right now. Off X11 neither is available.

#include <cstdint>

struct _XDisplay;  // Xlib's Display

namespace reckora {

// Qt's own connection to the X server, the one the key events arrive on; null off X11. The
// program's X calls go through it: a connection of their own would cost its set-up at start.
_XDisplay* QtDisplay();

// Asks the X server to repeat a held key with presses alone, without the releases between them
// (XKB detectable auto-repeat) for the program's connection; false where it is refused.
bool RequestDetectableAutoRepeat();

// Whether the key with this X key code is down at the server now; false off X11.
bool X11KeyIsDown(std::uint32_t keyCode);

}  // namespace reckora
