#include "X11KeyState.h"

#include <QGuiApplication>

#ifdef RECKORA_HAVE_X11
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#endif

namespace reckora {

_XDisplay* QtDisplay() {
#ifdef RECKORA_HAVE_X11
    const auto* x11 =
        qApp != nullptr ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 != nullptr ? x11->display() : nullptr;
#else
    return nullptr;
#endif
}

bool RequestDetectableAutoRepeat() {
#ifdef RECKORA_HAVE_X11
    Display* display = QtDisplay();
    if (display == nullptr) {
        return false;
    }
    Bool granted = False;
    return XkbSetDetectableAutoRepeat(display, True, &granted) && granted;
#else
    return false;
#endif
}

bool X11KeyIsDown(std::uint32_t keyCode) {
#ifdef RECKORA_HAVE_X11
    Display* display = QtDisplay();
    if (display == nullptr || keyCode > 255) {
        return false;
    }
    char keys[32] = {};
    XQueryKeymap(display, keys);
    return (keys[keyCode / 8] & (1 << (keyCode % 8))) != 0;
#else
    return false;
#endif
}

}  // namespace reckora
