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
    : window_(window), model_(model), scale_(twipsPerPixel) {
    window_.installEventFilter(this);
}

void QtWindowPlacement::SetHeight(double twips) {
    model_.SetHeight(static_cast<float>(twips));
    if (!window_.isVisible()) {
        heightBeforeShown_ = twips;
    }
}

void QtWindowPlacement::CentreTop() {
    WindowPlacement::CentreTop();
    centreTopBeforeShown_ = !window_.isVisible();
}

void QtWindowPlacement::CentreLeft() {
    WindowPlacement::CentreLeft();
    centreLeftBeforeShown_ = !window_.isVisible();
}

// A window manager puts its frame around the window some time after the show; until then the
// outer size is the client size. Without a window manager there is never a frame, and what was
// applied right after the show stays.
bool QtWindowPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_) {
        return false;
    }
    const QEvent::Type type = event->type();
    if (type == QEvent::Show &&
        (heightBeforeShown_ || centreTopBeforeShown_ || centreLeftBeforeShown_)) {
        awaitingFrame_ = true;
        // After the show has been handled.
        QTimer::singleShot(0, this, [this] { ApplyBeforeShown(); });
    } else if (awaitingFrame_ && (type == QEvent::Move || type == QEvent::Resize) && FrameKnown()) {
        awaitingFrame_ = false;
        QTimer::singleShot(0, this, [this] { ApplyBeforeShown(); });
    }
    return false;
}

bool QtWindowPlacement::FrameKnown() const {
    return window_.frameGeometry().size() != window_.size();
}

// The outer height first, then the centring by the outer frame. A placement the window system
// refuses keeps what the window has.
void QtWindowPlacement::ApplyBeforeShown() {
    const auto skipping = [](const auto& apply) {
        try {
            apply();
        } catch (const Failure&) {
        }
    };
    if (heightBeforeShown_) {
        skipping([&] { model_.SetHeight(static_cast<float>(*heightBeforeShown_)); });
    }
    if (centreTopBeforeShown_) {
        skipping([&] { WindowPlacement::CentreTop(); });
    }
    if (centreLeftBeforeShown_) {
        skipping([&] { WindowPlacement::CentreLeft(); });
    }
    if (FrameKnown()) {
        awaitingFrame_ = false;
        heightBeforeShown_.reset();
        centreTopBeforeShown_ = false;
        centreLeftBeforeShown_ = false;
    }
}

double QtWindowPlacement::Top() const {
    return scale_.Twips(window_.frameGeometry().top());
}

double QtWindowPlacement::Left() const {
    return scale_.Twips(window_.frameGeometry().left());
}

// A top-level widget's position is that of its frame.
void QtWindowPlacement::SetTop(double twips) {
    window_.move(window_.frameGeometry().left(), Pixels(twips));
}

void QtWindowPlacement::SetLeft(double twips) {
    window_.move(Pixels(twips), window_.frameGeometry().top());
}

double QtWindowPlacement::ScreenHeight() const {
    return scale_.Twips(ScreenGeometry(window_).height());
}

double QtWindowPlacement::ScreenWidth() const {
    return scale_.Twips(ScreenGeometry(window_).width());
}

int QtWindowPlacement::Pixels(double twips) const {
    const double pixels = std::nearbyint(scale_.Pixels(twips));
    if (!std::isfinite(pixels) || std::fabs(pixels) > QWIDGETSIZE_MAX) {
        throw Failure(FailureKind::OutOfRange, "no such place on a screen");
    }
    return static_cast<int>(pixels);
}

}  // namespace reckora
