#pragma once
// The small pictures drawn on keys, as shapes in picture pixels: the six function-key icons
// (copy, paste, tape toggle, printer, new sheet, and the undo arrow greyed and active) on their
// 38 x 29 faces, and the backspace arrow on its 38 x 38 face.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "Rgb.h"

namespace reckora {

enum class KeyIcon {
    None,
    BackArrow,
    Copy,
    Paste,
    TapeToggle,
    Printer,
    NewSheet,
    UndoGreyed,
    UndoActive
};

enum class ShapeKind {
    FillRect,        // x, y, width, height
    FrameRect,       // x, y, width, height: a one-pixel outline inside that box
    Line,            // x1, y1, x2, y2, pen width: both end pixels included
    FillPolygon,     // pointCount points x, y
    OutlinePolygon,  // pointCount points x, y, closed, one pixel wide
    Arc,             // box x, y, width, height, start and span in degrees (counter-clockwise
                     // from three o'clock), pen width
};

// A shape without a colour of its own is drawn in the legend colour of the key's face group.
inline constexpr std::nullopt_t LegendColour = std::nullopt;

inline constexpr Rgb IconBlack{0x00, 0x00, 0x00};
inline constexpr Rgb IconWhite{0xFF, 0xFF, 0xFF};
inline constexpr Rgb IconGrey{0x80, 0x80, 0x80};
inline constexpr Rgb IconNavy{0x00, 0x00, 0x80};

struct IconShape {
    ShapeKind kind;
    std::optional<Rgb> colour;  // empty: LegendColour
    std::array<std::int16_t, 14> c{};
    int pointCount = 0;  // polygons only
};

namespace icons {

using S = ShapeKind;

inline constexpr std::array<IconShape, 1> BackArrow{{
    {S::FillPolygon, LegendColour, {8, 18, 16, 10, 16, 15, 28, 15, 28, 21, 16, 21, 16, 26}, 7},
}};

inline constexpr std::array<IconShape, 9> Copy{{
    {S::FillRect, IconWhite, {8, 4, 13, 15}},
    {S::FrameRect, IconBlack, {8, 4, 13, 15}},
    {S::Line, IconGrey, {10, 8, 18, 8, 1}},
    {S::Line, IconGrey, {10, 11, 13, 11, 1}},
    {S::FillRect, IconWhite, {15, 9, 13, 15}},
    {S::FrameRect, IconBlack, {15, 9, 13, 15}},
    {S::Line, IconNavy, {17, 13, 25, 13, 1}},
    {S::Line, IconNavy, {17, 16, 25, 16, 1}},
    {S::Line, IconNavy, {17, 19, 23, 19, 1}},
}};

inline constexpr std::array<IconShape, 8> Paste{{
    {S::FillRect, IconGrey, {10, 4, 16, 21}},
    {S::FrameRect, IconBlack, {10, 4, 16, 21}},
    {S::FillRect, IconWhite, {12, 8, 12, 15}},
    {S::FillRect, IconNavy, {14, 2, 8, 5}},
    {S::FrameRect, IconBlack, {14, 2, 8, 5}},
    {S::Line, IconBlack, {14, 12, 21, 12, 1}},
    {S::Line, IconBlack, {14, 15, 21, 15, 1}},
    {S::Line, IconBlack, {14, 18, 19, 18, 1}},
}};

inline constexpr std::array<IconShape, 8> TapeToggle{{
    {S::FillPolygon, IconNavy, {5, 7, 13, 13, 5, 19}, 3},
    {S::FillRect, IconWhite, {19, 8, 10, 16}},
    {S::FrameRect, IconBlack, {19, 8, 10, 16}},
    {S::FillRect, IconGrey, {17, 4, 14, 5}},
    {S::FrameRect, IconBlack, {17, 4, 14, 5}},
    {S::Line, IconNavy, {21, 12, 26, 12, 1}},
    {S::Line, IconNavy, {21, 15, 26, 15, 1}},
    {S::Line, IconNavy, {21, 18, 26, 18, 1}},
}};

inline constexpr std::array<IconShape, 8> Printer{{
    {S::FillRect, IconWhite, {12, 3, 12, 8}},
    {S::FrameRect, IconBlack, {12, 3, 12, 8}},
    {S::FillRect, IconGrey, {7, 10, 22, 10}},
    {S::FrameRect, IconBlack, {7, 10, 22, 10}},
    {S::Line, IconBlack, {10, 16, 25, 16, 1}},
    {S::FillRect, IconWhite, {11, 18, 14, 6}},
    {S::FrameRect, IconBlack, {11, 18, 14, 6}},
    {S::FillRect, IconNavy, {24, 12, 2, 2}},
}};

inline constexpr std::array<IconShape, 4> NewSheet{{
    {S::FillPolygon, IconWhite, {11, 3, 21, 3, 26, 8, 26, 24, 11, 24}, 5},
    {S::OutlinePolygon, IconBlack, {11, 3, 21, 3, 26, 8, 26, 24, 11, 24}, 5},
    {S::FillPolygon, IconGrey, {21, 3, 21, 8, 26, 8}, 3},
    {S::OutlinePolygon, IconBlack, {21, 3, 21, 8, 26, 8}, 3},
}};

// The arrow leaves its tail at the right, bends over the top and points down at the left.
inline constexpr std::array<IconShape, 6> UndoGreyed{{
    {S::Arc, IconWhite, {12, 8, 16, 14, 0, 180, 2}},
    {S::Line, IconWhite, {28, 15, 28, 21, 2}},
    {S::FillPolygon, IconWhite, {8, 15, 16, 15, 12, 20}, 3},
    {S::Arc, IconGrey, {11, 7, 16, 14, 0, 180, 2}},
    {S::Line, IconGrey, {27, 14, 27, 20, 2}},
    {S::FillPolygon, IconGrey, {7, 14, 15, 14, 11, 19}, 3},
}};

inline constexpr std::array<IconShape, 3> UndoActive{{
    {S::Arc, IconNavy, {11, 7, 16, 14, 0, 180, 2}},
    {S::Line, IconNavy, {27, 14, 27, 20, 2}},
    {S::FillPolygon, IconNavy, {7, 14, 15, 14, 11, 19}, 3},
}};

}  // namespace icons

constexpr std::span<const IconShape> ShapesOf(KeyIcon icon) {
    switch (icon) {
        case KeyIcon::BackArrow:
            return icons::BackArrow;
        case KeyIcon::Copy:
            return icons::Copy;
        case KeyIcon::Paste:
            return icons::Paste;
        case KeyIcon::TapeToggle:
            return icons::TapeToggle;
        case KeyIcon::Printer:
            return icons::Printer;
        case KeyIcon::NewSheet:
            return icons::NewSheet;
        case KeyIcon::UndoGreyed:
            return icons::UndoGreyed;
        case KeyIcon::UndoActive:
            return icons::UndoActive;
        case KeyIcon::None:
            break;
    }
    return {};
}

}  // namespace reckora
