#include "NumLock.h"

#include <QGuiApplication>
#include <QString>

#ifdef RECKORA_HAVE_X11
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#endif

namespace reckora {

namespace {

#ifdef RECKORA_HAVE_X11
// A connection of our own for each use, closed at once; the state is the server's, so it is
// the same one Qt's connection sees.
class X11Keyboard {
public:
    X11Keyboard() {
        if (QGuiApplication::platformName() == QStringLiteral("xcb")) {
            display_ = XOpenDisplay(nullptr);
        }
        if (display_ != nullptr) {
            numLockMask_ = XkbKeysymToModifiers(display_, XK_Num_Lock);
        }
    }
    ~X11Keyboard() {
        if (display_ != nullptr) {
            XCloseDisplay(display_);
        }
    }
    X11Keyboard(const X11Keyboard&) = delete;
    X11Keyboard& operator=(const X11Keyboard&) = delete;

    bool Usable() const { return display_ != nullptr && numLockMask_ != 0; }

    bool NumLockLocked() {
        XkbStateRec state{};
        if (XkbGetState(display_, XkbUseCoreKbd, &state) != Success) {
            return true;  // cannot tell: leave the keyboard alone
        }
        return (state.locked_mods & numLockMask_) != 0;
    }

    void LockNumLock() {
        XkbLockModifiers(display_, XkbUseCoreKbd, numLockMask_, numLockMask_);
        XSync(display_, False);
    }

private:
    Display* display_ = nullptr;
    unsigned int numLockMask_ = 0;
};
#endif

}  // namespace

void SwitchNumLockOn() {
#ifdef RECKORA_HAVE_X11
    X11Keyboard keyboard;
    if (keyboard.Usable() && !keyboard.NumLockLocked()) {
        keyboard.LockNumLock();
    }
#endif
}

}  // namespace reckora
