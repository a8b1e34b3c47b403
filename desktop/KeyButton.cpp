#include "KeyButton.h"

#include <QMouseEvent>
#include <QPainter>

#include "KeyFacePainter.h"
#include "QtText.h"
#include "Translations.h"

namespace reckora {

KeyButton::KeyButton(const KeyDescription& key, QColor background, QWidget* parent)
    : QAbstractButton(parent), key_(key), background_(background), legend_(key.legend) {
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(UserText(key.accessibleName));
    if (!key.tooltip.empty()) {
        const QString tooltip = UserText(key.tooltip);
        setToolTip(tooltip);
        setAccessibleDescription(tooltip);
    }
    for (const KeyAccessibleDescription& row : KeyDescriptionsWithoutTooltip) {
        if (KeyNumber(row.key) == key.index) {
            setAccessibleDescription(UserText(row.text));
        }
    }
}

void KeyButton::SetLegend(const Legend& legend) {
    legend_ = legend;
    face_ = QPixmap();
    update();
}

void KeyButton::SetDecimalSeparator(const QString& separator) {
    decimalSeparator_ = separator;
    face_ = QPixmap();
    update();
}

void KeyButton::SetFacePressed(bool pressed) {
    if (facePressed_ != pressed) {
        facePressed_ = pressed;
        update();
    }
}

QPixmap KeyButton::Face() {
    const qreal ratio = devicePixelRatioF();
    if (face_.isNull() || face_.devicePixelRatio() != ratio) {
        face_ = PaintKeyFace(key_.group, legend_, key_.pictureWidth, key_.pictureHeight,
                             decimalSeparator_, ratio);
    }
    return face_;
}

void KeyButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    if (facePressed_) {
        // The border takes the outermost pixels; the picture starts inside it.
        painter.setClipRect(rect().adjusted(1, 1, -1, -1));
        painter.drawPixmap(1, 1, Face());
        painter.setClipping(false);
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    } else {
        painter.drawPixmap(0, 0, Face());
    }
    // The focus shows as a dotted box inside the face once the keyboard moves it.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

void KeyButton::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(key_.index);
    QAbstractButton::mousePressEvent(event);
}

void KeyButton::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseUp(key_.index);
    QAbstractButton::mouseReleaseEvent(event);
}

void KeyButton::keyPressEvent(QKeyEvent* event) {
    QWidget::keyPressEvent(event);
}

void KeyButton::keyReleaseEvent(QKeyEvent* event) {
    QWidget::keyReleaseEvent(event);
}

}  // namespace reckora
