#include "QtWindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
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
