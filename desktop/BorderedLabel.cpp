#include "BorderedLabel.h"

#include <QPainter>

namespace reckora {

// The text keeps the inset a one-pixel frame would give it.
BorderedLabel::BorderedLabel(QColor border, QWidget* parent) : QLabel(parent), border_(border) {
    setContentsMargins(1, 1, 1, 1);
}

void BorderedLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    QPainter painter(this);
    painter.setPen(border_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace reckora
