#include "AfterFirstFrame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace reckora {

namespace {

// The events through which the user acts on the program.
bool IsInput(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::InputMethod:
        case QEvent::TouchBegin:
        case QEvent::TabletPress:
        case QEvent::ContextMenu:
            return true;
        default:
            return false;
    }
}

// A window that is not drawn soon (started minimized, on a hidden workspace) gets its step anyway.
constexpr int LatestMs = 1000;

}  // namespace

// Watches every event of the application until the step has run: input may reach any widget
// (a menu, the tape), not only the window.
AfterFirstFrame::AfterFirstFrame(QWidget& window, std::function<void()> step)
    : window_(window), step_(std::move(step)) {
    QCoreApplication::instance()->installEventFilter(this);
    QTimer::singleShot(LatestMs, this, [this] { RunNow(); });
}

AfterFirstFrame::~AfterFirstFrame() {
    QCoreApplication::instance()->removeEventFilter(this);
}

void AfterFirstFrame::RunNow() {
    if (!step_) {
        return;
    }
    QCoreApplication::instance()->removeEventFilter(this);
    std::exchange(step_, {})();
}

bool AfterFirstFrame::eventFilter(QObject* watched, QEvent* event) {
    if (IsInput(event->type())) {
        RunNow();
    } else if (event->type() == QEvent::Paint && !queued_ && watched->isWidgetType() &&
               static_cast<QWidget*>(watched)->window() == &window_) {
        queued_ = true;
        // The frame is painted and sent to the screen as one; the step runs from the event loop
        // once that is done.
        QTimer::singleShot(0, this, [this] { RunNow(); });
    }
    return false;
}

}  // namespace reckora
