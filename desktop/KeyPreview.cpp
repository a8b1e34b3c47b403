#include "KeyPreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

#include "CalculatorCore.h"
#include "QtKeyMapping.h"
#include "X11KeyState.h"

namespace reckora {

KeyPreview::KeyPreview(QWidget& mainWindow, CalculatorCore& calculator)
    : mainWindow_(&mainWindow),
      calculator_(calculator),
      heldKeys_(X11KeyIsDown, [this](const RawKeyEvent& key) {
          if (key.press) {
              calculator_.Window().KeyDown(key.virtualKey, key.modifiers);
          } else {
              calculator_.Window().KeyUp(key.virtualKey);
          }
      }) {
    // Where the server refuses, the releases between repeats are told apart by the filter.
    RequestDetectableAutoRepeat();
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &KeyPreview::FocusWindowChanged);
}

KeyPreview::~KeyPreview() {
    qApp->removeEventFilter(this);
}

// Key events pass the native window once, before Qt hands them to the focused widget and up
// its parents; watching the window sees each key exactly once, and never those of a dialog.
bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || mainWindow_ == nullptr ||
        watched != mainWindow_->windowHandle()) {
        return false;
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    const std::optional<int> code = VirtualKeyFor(key);
    const int modifiers = ModifierMaskFor(key.modifiers());
    // A key without a code still counts as a key: its press is taken, its release frees.
    const int virtualKey = code.value_or(0x0100 + (key.key() & 0xFFFF));
    // X11 repeats a held key as release/press pairs; a release the toolkit already knows for a
    // repeat goes no further, the others pass the held-key filter.
    if (type == QEvent::KeyPress || !key.isAutoRepeat()) {
        heldKeys_.Take({.press = type == QEvent::KeyPress,
                        .virtualKey = virtualKey,
                        .modifiers = modifiers,
                        .scanCode = key.nativeScanCode(),
                        .time = key.timestamp()});
    }
    // A key the mapping handles acts through it alone: a focused key or option button does not
    // click as well (Space is the "00" key). Tab and the arrows still move the focus and choice.
    return calculator_.Window().HandlesKey(virtualKey, modifiers);
}

void KeyPreview::FocusWindowChanged(QWindow* now) {
    if (mainWindow_ != nullptr && now != mainWindow_->windowHandle()) {
        heldKeys_.Forget();
        calculator_.Window().FocusLost();
    }
}

}  // namespace reckora
