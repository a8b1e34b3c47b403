#include "NumLock.h"

#include <QGuiApplication>

#ifdef RECKORA_HAVE_X11
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#endif

namespace reckora {

namespace {

#if defined(RECKORA_HAVE_X11) && QT_CONFIG(xcb)
// Qt's own connection to the X server: a second connection of our own would cost its set-up at
// every start. Null on other window systems.
Display* QtDisplay() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->display() : nullptr;
}

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
#if defined(RECKORA_HAVE_X11) && QT_CONFIG(xcb)
    if (Display* display = QtDisplay()) {
        LockNumLock(display);
    }
#endif
}

}  // namespace reckora
