#include "QtWindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cmath>
#include <limits>

#include "Failure.h"

namespace reckora {

namespace {

QRect ScreenGeometry(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen != nullptr ? screen->geometry() : QRect();
}

}  // namespace

QtWindowPlacement::QtWindowPlacement(QWidget& window, WindowModel& model, double twipsPerPixel)
    : window_(window), model_(model), twipsPerPixel_(twipsPerPixel) {
    window_.installEventFilter(this);
}

void QtWindowPlacement::SetHeight(double twips) {
    model_.SetHeight(static_cast<float>(twips));
    if (!window_.isVisible()) {
        heightBeforeShown_ = twips;
    }
}

bool QtWindowPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Show && heightBeforeShown_) {
        const double twips = *heightBeforeShown_;
        heightBeforeShown_.reset();
        // After the show has been handled, when the frame is there.
        QTimer::singleShot(0, this, [this, twips] {
            try {
                model_.SetHeight(static_cast<float>(twips));
            } catch (const Failure&) {
                // The height the window has is kept.
            }
        });
    }
    return false;
}

double QtWindowPlacement::Top() const {
    return window_.frameGeometry().top() * twipsPerPixel_;
}

double QtWindowPlacement::Left() const {
    return window_.frameGeometry().left() * twipsPerPixel_;
}

// A top-level widget's position is that of its frame.
void QtWindowPlacement::SetTop(double twips) {
    window_.move(window_.frameGeometry().left(), Pixels(twips));
}

void QtWindowPlacement::SetLeft(double twips) {
    window_.move(Pixels(twips), window_.frameGeometry().top());
}

double QtWindowPlacement::ScreenHeight() const {
    return ScreenGeometry(window_).height() * twipsPerPixel_;
}

double QtWindowPlacement::ScreenWidth() const {
    return ScreenGeometry(window_).width() * twipsPerPixel_;
}

int QtWindowPlacement::Pixels(double twips) const {
    const double pixels = std::nearbyint(twips / twipsPerPixel_);
    if (!std::isfinite(pixels) || std::fabs(pixels) > QWIDGETSIZE_MAX) {
        throw Failure(FailureKind::OutOfRange, "no such place on a screen");
    }
    return static_cast<int>(pixels);
}

}  // namespace reckora
