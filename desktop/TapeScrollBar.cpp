#include "TapeScrollBar.h"

#include <cmath>

namespace reckora {

namespace {
// The scroll bar as designed: 255 x 3495 twips, maximum 0.
constexpr float DesignWidth = 255;
constexpr float DesignHeight = 3495;
}  // namespace

TapeScrollBar::TapeScrollBar(double twipsPerPixel, QWidget* parent)
    : QScrollBar(Qt::Vertical, parent), scale_(twipsPerPixel) {
    setObjectName("VScroll1");
    setRange(0, 0);
    setSingleStep(1);
    setPageStep(10);
    setGeometry(0, 0, Pixels(DesignWidth), Pixels(DesignHeight));
    connect(this, &QScrollBar::valueChanged, this, [this] {
        if (events_ != nullptr) {
            events_->OnScrollChange();
        }
    });
    connect(this, &QScrollBar::sliderMoved, this, [this] {
        if (events_ != nullptr) {
            events_->OnScrollDrag();
        }
    });
}

void TapeScrollBar::SetMaximum(std::int32_t maximum) {
    setRange(0, maximum);
}

void TapeScrollBar::SetWidth(float twips) {
    resize(Pixels(twips), height());
}

void TapeScrollBar::SetHeight(float twips) {
    resize(width(), Pixels(twips));
}

int TapeScrollBar::Pixels(float twips) const {
    return std::max(0, scale_.WholePixels(twips));
}

void TapeScrollBar::focusInEvent(QFocusEvent* event) {
    QScrollBar::focusInEvent(event);
    if (events_ != nullptr) {
        events_->OnScrollFocus();
    }
}

}  // namespace reckora
