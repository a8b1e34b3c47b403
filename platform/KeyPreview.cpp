#include "KeyPreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

#include "CalculatorCore.h"
#include "QtKeyMapping.h"

namespace reckora {

KeyPreview::KeyPreview(QWidget& mainWindow, CalculatorCore& calculator)
    : mainWindow_(&mainWindow), calculator_(calculator) {
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
    // X11 repeats a held key as release/press pairs; only the presses are repeats of a held
    // key, the releases would make it act again.
    if (type == QEvent::KeyRelease && key.isAutoRepeat()) {
        return false;
    }
    const std::optional<int> code = VirtualKeyFor(key);
    const int modifiers = ModifierMaskFor(key.modifiers());
    // A key without a code still counts as a key: its press is taken, its release frees.
    const int virtualKey = code.value_or(0x0100 + (key.key() & 0xFFFF));
    if (type == QEvent::KeyPress) {
        calculator_.KeyDown(virtualKey, modifiers);
    } else {
        calculator_.KeyUp(virtualKey);
    }
    return false;
}

void KeyPreview::FocusWindowChanged(QWindow* now) {
    if (mainWindow_ != nullptr && now != mainWindow_->windowHandle()) {
        calculator_.FocusLost();
    }
}

}  // namespace reckora
