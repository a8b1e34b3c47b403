#pragma once
// An in-memory tape surface for the harness, the tests, the benchmarks and the fuzzer: it keeps
// the drawing operations since the last clear (the picture) and counts clears and drawings. Its
// fixed-width font is as wide as charWidth per character and lineHeight high for any text, both
// scaled with the font size.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "DrawingSurface.h"

namespace reckora {

struct DrawOp {
    enum class Kind { Text, Glyph, Fill };

    Kind kind = Kind::Text;
    float x = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    Rgb color;         // the text colour; the ink of a glyph; the fill colour
    std::string text;  // for Text
    int glyph = -1;    // the glyph's code, for Glyph

    friend bool operator==(const DrawOp&, const DrawOp&) = default;
};

struct DrawCounts {
    std::int64_t clears = 0;
    std::int64_t texts = 0;
    std::int64_t glyphs = 0;
    std::int64_t fills = 0;

    std::int64_t Drawings() const { return clears + texts + glyphs + fills; }
};

// A fixed-width font: every character charWidth wide, every text lineHeight high, at fontSize.
struct FixedFontMetrics {
    float charWidth = 135;
    float lineHeight = 255;
    float fontSize = 11.25f;

    TextSize Measure(std::string_view text, float atFontSize) const;
};

class RecordingSurface : public DrawingSurface {
public:
    struct Options {
        float width = 3795;
        float height = 3600;
        FixedFontMetrics font;
        std::string fontName = "Courier New";
        bool keepPicture = true;  // false: only count (for long benchmarks)
    };

    RecordingSurface() : RecordingSurface(Options{}) {}
    explicit RecordingSurface(Options options);

    float ScaleWidth() override { return width_; }
    float ScaleHeight() override { return height_; }
    TextSize MeasureText(std::string_view text) override;
    void Clear() override;
    void SetTextColor(Rgb color) override;
    void DrawText(float x, float top, std::string_view text) override;
    void DrawGlyph(const GlyphBitmap& glyph, float x, float top, float height) override;
    void SetTextStyle(TextStyle style) override { style_ = style; }
    void FillRect(float x, float top, float width, float height, Rgb color) override;
    float FontSize() override { return fontSize_; }
    void SetFontSize(float points) override { fontSize_ = points; }
    std::string FontName() override { return fontName_; }

    // Changes the size; the tape learns of it through CalcTape::OnResize.
    void Resize(float width, float height);

    // What was drawn since the last clear, in order.
    const std::vector<DrawOp>& Picture() const { return picture_; }
    // The part of the picture that reaches into the surface (the rest is clipped away).
    std::vector<DrawOp> VisiblePicture() const;
    const DrawCounts& Counts() const { return counts_; }

private:
    void Record(DrawOp op);

    float width_;
    float height_;
    FixedFontMetrics font_;
    float fontSize_;
    std::string fontName_;
    bool keepPicture_;
    Rgb color_ = TapeDarkBlue;
    TextStyle style_ = TextStyle::Normal;
    std::vector<DrawOp> picture_;
    DrawCounts counts_;
};

}  // namespace reckora
