#pragma once
// NumLock on the running window system: on X11 the NumLock modifier is read and locked through
// XKB on Qt's own connection; elsewhere NumLock counts as on, so that nothing is changed.

namespace reckora {

// Switches NumLock on when it is off; nothing happens when it is on already.
void SwitchNumLockOn();

}  // namespace reckora
