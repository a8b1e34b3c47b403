#pragma once
// How a key face looks: the face colour groups (two of them checkerboards), the legend drawn on
// the face, and the raised-key shadow common to all faces.

#include <array>
#include <cstdint>
#include <string_view>

#include "KeyIcons.h"

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
    std::uint32_t face;           // 0xRRGGBB
    std::uint32_t faceAlternate;  // the second colour of a checkerboard
    bool checkerboard;            // pixels alternate between face and faceAlternate
    std::uint32_t legend;
    bool legendShadow;  // a one-pixel black drop shadow under the legend
};

inline constexpr std::array<FaceStyle, 8> FaceStyles{{
    {FaceGroup::Number, 0x8080FF, 0x8080FF, false, 0xFFFFFF, false},
    {FaceGroup::Clear, 0xFFFFC4, 0xFFFFC4, false, 0x0000FF, false},
    {FaceGroup::Memory, 0xB7FFB7, 0xB7FFB7, false, 0x000080, false},
    {FaceGroup::Subtract, 0xB300B3, 0xB300B3, false, 0xFFFF80, true},
    {FaceGroup::Add, 0x800080, 0x0000FF, true, 0xFFFF80, true},
    {FaceGroup::DivideMultiplyPercent, 0x0000FF, 0x8080FF, true, 0xFFFF80, true},
    {FaceGroup::Total, 0x0000FF, 0x0000FF, false, 0xFFFF80, true},
    {FaceGroup::Function, 0xC0C0C0, 0xC0C0C0, false, 0x000000, false},
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
constexpr std::uint32_t FacePixel(const FaceStyle& style, int x, int y) {
    return style.checkerboard && (x + y) % 2 != 0 ? style.faceAlternate : style.face;
}

// The two-pixel shadow along the right and bottom edges of every face.
inline constexpr std::uint32_t ShadowOuter = 0x000000;
inline constexpr std::uint32_t ShadowInner = 0x3F3F3F;
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
