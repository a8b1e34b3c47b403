#include "TapeWidget.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

#include "Colours.h"
#include "QtText.h"
#include "TapeInks.h"

namespace reckora {

TapeWidget::TapeWidget(double twipsPerPixel, const QFont& font, QWidget* parent)
    : QWidget(parent),
      scale_(twipsPerPixel),
      font_(font),
      textColour_(0, 0, 128),
      scrollBar_(new TapeScrollBar(twipsPerPixel, this)) {
    setObjectName("CalcTape1");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    InstallTapeAccessibility();
    Clear();
}

void TapeWidget::Clear() {
    const qreal ratio = devicePixelRatioF();
    if (picture_.size() != size() * ratio || picture_.devicePixelRatio() != ratio) {
        picture_ = QPixmap(size() * ratio);
        picture_.setDevicePixelRatio(ratio);
    }
    picture_.fill(ToQColor(TapePaper));
    update();
}

void TapeWidget::SetFontSize(float points) {
    if (points > 0) {
        font_.setPointSizeF(points);
    }
}

QFont TapeWidget::StyledFont() const {
    if (style_ == TextStyle::Normal) {
        return font_;
    }
    QFont font = font_;
    font.setPointSizeF(font_.pointSizeF() * static_cast<double>(TextScale(style_)));
    return font;
}

TextSize TapeWidget::MeasureText(std::string_view text) {
    const QFontMetricsF metrics(StyledFont());
    return {static_cast<float>(scale_.Twips(metrics.horizontalAdvance(QtText(text)))),
            static_cast<float>(scale_.Twips(metrics.height()))};
}

void TapeWidget::SetTextColor(Rgb color) {
    textColour_ = ToQColor(color);
}

void TapeWidget::DrawText(float x, float top, std::string_view text) {
    if (picture_.isNull()) {
        return;
    }
    const QFont font = StyledFont();
    QPainter painter(&picture_);
    painter.setFont(font);
    painter.setPen(textColour_);
    const QFontMetricsF metrics(font);
    painter.drawText(QPointF(Pixels(x), Pixels(top) + metrics.ascent()), QtText(text));
    update();
}

void TapeWidget::DrawGlyph(const GlyphBitmap& glyph, float x, float top, float height) {
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(&picture_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // Natural width: one screen pixel per glyph pixel, whatever the screen's density.
    painter.drawImage(QRectF(Pixels(x), Pixels(top), glyph.widthPixels, Pixels(height)),
                      glyphImages_.Of(glyph));
    update();
}

void TapeWidget::FillRect(float x, float top, float width, float height, Rgb color) {
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(&picture_);
    painter.fillRect(QRectF(Pixels(x), Pixels(top), Pixels(width), Pixels(height)),
                     ToQColor(color));
    update();
}

void TapeWidget::paintEvent(QPaintEvent*) {
    if (picture_.devicePixelRatio() != devicePixelRatioF()) {
        // Moved to a screen of another density: draw the tape again at its pixel ratio.
        Clear();
        if (onResize_) {
            onResize_();
        }
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void TapeWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit clicked(scale_.Twips(event->position().y()));
    }
}

void TapeWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit doubleClicked(scale_.Twips(event->position().y()));
    }
}

void TapeWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Clear();
    if (onResize_) {
        onResize_();
    }
}

}  // namespace reckora
