#pragma once
// CalcTape1 on screen: the tape's retained drawing surface, a pixmap at the device-pixel ratio
// that keeps what was drawn until it is cleared, with the tape's scroll bar at its left edge.
// Coordinates arrive in twips and are turned into pixels with the window's twips per pixel. Clicks
// are reported at their height in twips; screen readers see the tape as a list of its lines.

#include <QFont>
#include <QPixmap>
#include <QWidget>
#include <functional>

#include "DrawingSurface.h"
#include "GlyphImages.h"
#include "TapeAccessible.h"
#include "TapeScrollBar.h"
#include "TwipScale.h"

namespace reckora {

class TapeWidget : public QWidget, public DrawingSurface {
    Q_OBJECT
public:
    TapeWidget(double twipsPerPixel, const QFont& font, QWidget* parent);

    TapeScrollBar& ScrollBar() { return *scrollBar_; }

    // Called after every size change, once the surface has its new size (OnResize).
    void SetResizeHandler(std::function<void()> handler) { onResize_ = std::move(handler); }

    float ScaleWidth() override { return static_cast<float>(scale_.Twips(width())); }
    float ScaleHeight() override { return static_cast<float>(scale_.Twips(height())); }
    void Clear() override;
    float FontSize() override { return static_cast<float>(font_.pointSizeF()); }
    void SetFontSize(float points) override;
    std::string FontName() override { return font_.family().toStdString(); }

    TextSize MeasureText(std::string_view text) override;
    void SetTextColor(Rgb color) override;
    void DrawText(float x, float top, std::string_view text) override;
    void DrawGlyph(const GlyphBitmap& glyph, float x, float top, float height) override;
    void SetTextStyle(TextStyle style) override { style_ = style; }
    void FillRect(float x, float top, float width, float height, Rgb color) override;

    // The retained picture, for tests and screenshots.
    const QPixmap& Picture() const { return picture_; }

    // What the accessible list reads (the lines in words, the selection).
    void SetReading(TapeReading reading) { reading_ = std::move(reading); }
    const TapeReading& Reading() const { return reading_; }

signals:
    // A click, and a double click, at a height of the control in twips.
    void clicked(double yTwips);
    void doubleClicked(double yTwips);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    qreal Pixels(float twips) const { return scale_.Pixels(twips); }
    QFont StyledFont() const;

    TwipScale scale_;
    QFont font_;
    QColor textColour_;
    TextStyle style_ = TextStyle::Normal;
    QPixmap picture_;
    TapeScrollBar* scrollBar_;
    std::function<void()> onResize_;
    GlyphImages glyphImages_;
    TapeReading reading_;
};

}  // namespace reckora
