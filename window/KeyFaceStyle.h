#pragma once
// How a key face looks: the face colour groups (two of them checkerboards), the legend drawn on
// the face, and the raised-key shadow common to all faces.

#include <array>
#include <string_view>

#include "KeyIcons.h"
#include "Rgb.h"

namespace reckora {

enum class FaceGroup {
    Number,
    Clear,
    Memory,
    Subtract,
    Add,
    DivideMultiplyPercent,
    Total,
    Function
};

struct FaceStyle {
    FaceGroup group;
    Rgb face;
    Rgb faceAlternate;  // the second colour of a checkerboard
    bool checkerboard;  // pixels alternate between face and faceAlternate
    Rgb legend;
    bool legendShadow;  // a one-pixel black drop shadow under the legend
};

inline constexpr std::array<FaceStyle, 8> FaceStyles{{
    {FaceGroup::Number, {0x80, 0x80, 0xFF}, {0x80, 0x80, 0xFF}, false, {0xFF, 0xFF, 0xFF}, false},
    {FaceGroup::Clear, {0xFF, 0xFF, 0xC4}, {0xFF, 0xFF, 0xC4}, false, {0x00, 0x00, 0xFF}, false},
    {FaceGroup::Memory, {0xB7, 0xFF, 0xB7}, {0xB7, 0xFF, 0xB7}, false, {0x00, 0x00, 0x80}, false},
    {FaceGroup::Subtract, {0xB3, 0x00, 0xB3}, {0xB3, 0x00, 0xB3}, false, {0xFF, 0xFF, 0x80}, true},
    {FaceGroup::Add, {0x80, 0x00, 0x80}, {0x00, 0x00, 0xFF}, true, {0xFF, 0xFF, 0x80}, true},
    {FaceGroup::DivideMultiplyPercent,
     {0x00, 0x00, 0xFF},
     {0x80, 0x80, 0xFF},
     true,
     {0xFF, 0xFF, 0x80},
     true},
    {FaceGroup::Total, {0x00, 0x00, 0xFF}, {0x00, 0x00, 0xFF}, false, {0xFF, 0xFF, 0x80}, true},
    {FaceGroup::Function, {0xC0, 0xC0, 0xC0}, {0xC0, 0xC0, 0xC0}, false, {0x00, 0x00, 0x00}, false},
}};

constexpr const FaceStyle& StyleOf(FaceGroup group) {
    for (const auto& style : FaceStyles) {
        if (style.group == group) {
            return style;
        }
    }
    return FaceStyles[0];
}

// Colour of the face pixel at (x, y) in picture pixels.
constexpr Rgb FacePixel(const FaceStyle& style, int x, int y) {
    return style.checkerboard && (x + y) % 2 != 0 ? style.faceAlternate : style.face;
}

// The two-pixel shadow along the right and bottom edges of every face.
inline constexpr Rgb ShadowOuter{0x00, 0x00, 0x00};
inline constexpr Rgb ShadowInner{0x3F, 0x3F, 0x3F};
inline constexpr int ShadowWidth = 2;

enum class LegendKind {
    Text,              // one or two lines of text, evenly spaced down the face
    DecimalSeparator,  // the locale's decimal separator, as text
    Icon,
};

struct Legend {
    LegendKind kind = LegendKind::Text;
    std::string_view text;        // UTF-8
    std::string_view secondLine;  // UTF-8, below the first; empty for one line
    int pixelSize = 0;            // height of the legend font in picture pixels
    KeyIcon icon = KeyIcon::None;
};

constexpr Legend TextLegend(std::string_view text, int pixelSize) {
    return {LegendKind::Text, text, {}, pixelSize, KeyIcon::None};
}
constexpr Legend TwoLineLegend(std::string_view first, std::string_view second, int pixelSize) {
    return {LegendKind::Text, first, second, pixelSize, KeyIcon::None};
}
constexpr Legend IconLegend(KeyIcon icon) {
    return {LegendKind::Icon, {}, {}, 0, icon};
}
constexpr Legend SeparatorLegend(int pixelSize) {
    return {LegendKind::DecimalSeparator, {}, {}, pixelSize, KeyIcon::None};
}

// Legends are drawn in this bold sans-serif face.
inline constexpr std::string_view LegendFontName = "Arial";

}  // namespace reckora
