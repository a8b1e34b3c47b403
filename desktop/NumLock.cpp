#include "NumLock.h"

#include "X11KeyState.h"

#ifdef RECKORA_HAVE_X11
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#endif

namespace reckora {

namespace {

#ifdef RECKORA_HAVE_X11
void LockNumLock(Display* display) {
    const unsigned int numLockMask = XkbKeysymToModifiers(display, XK_Num_Lock);
    if (numLockMask == 0) {
        return;
    }
    XkbStateRec state{};
    if (XkbGetState(display, XkbUseCoreKbd, &state) != Success ||
        (state.locked_mods & numLockMask) != 0) {
        return;  // on already, or cannot tell: leave the keyboard alone
    }
    XkbLockModifiers(display, XkbUseCoreKbd, numLockMask, numLockMask);
    XFlush(display);
}
#endif

}  // namespace

void SwitchNumLockOn() {
#ifdef RECKORA_HAVE_X11
    if (Display* display = QtDisplay()) {
        LockNumLock(display);
    }
#endif
}

}  // namespace reckora
