#pragma once
// The drawing operations the tape needs both of the screen and of the printer: measure a text,
// choose the text colour, draw a text, draw a mark glyph. All positions and sizes are twips;
// y grows downwards. Any operation may throw reckora::Failure.

#include <string_view>

#include "Glyphs.h"
#include "TapeInks.h"

namespace reckora {

// The tape font, or the smaller size in which notes are set.
enum class TextStyle { Normal, Small };
inline constexpr float SmallTextScale = 0.8F;  // of the font size

inline float TextScale(TextStyle style) {
    return style == TextStyle::Small ? SmallTextScale : 1.0F;
}

struct TextSize {
    float width = 0;
    float height = 0;
};

class TextCanvas {
public:
    virtual ~TextCanvas() = default;

    // Width and height of a one-line text (UTF-8) in the current font.
    virtual TextSize MeasureText(std::string_view text) = 0;
    // Colour of the texts drawn after this call.
    virtual void SetTextColor(Rgb color) = 0;
    // Draws a text with its top-left corner at (x, top) in the current colour, without filling
    // its background, so drawing the same text twice at the same place changes nothing.
    virtual void DrawText(float x, float top, std::string_view text) = 0;
    // Draws a glyph opaque (clear pixels white) with its top-left corner at (x, top), at its
    // natural width (widthPixels x GlyphTwipsPerPixel twips) and stretched or shrunk to `height`.
    virtual void DrawGlyph(const GlyphBitmap& glyph, float x, float top, float height) = 0;
    // Size of the texts measured and drawn after this call; a new canvas starts Normal.
    virtual void SetTextStyle(TextStyle style) = 0;
    // Writes a mark as invisible text on its line's row, at `x` with the row's top at `top`,
    // beside the glyph drawn for it: for a surface with a text layer (a document that is
    // searched and copied); others draw nothing.
    virtual void WriteMarkText(TapeMark /*mark*/, float /*x*/, float /*top*/) {}
    // Fills a rectangle (the selection's band, the rule through a corrected line's original).
    virtual void FillRect(float x, float top, float width, float height, Rgb color) = 0;
};

}  // namespace reckora
