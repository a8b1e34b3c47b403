#pragma once
// The mark glyphs of the tape as pixel data, one per mark drawn as a picture. Screen and
// paper paint them from this table; a set pixel ('X') is GlyphInk, a clear one ('.') white.

#include <array>
#include <cstdint>
#include <string_view>

#include "TapeInks.h"
#include "TapeMark.h"

namespace reckora {

struct GlyphBitmap {
    static constexpr int MaxRows = 9;

    int code;  // the glyph's place in GlyphBitmaps, its identity for caches and recordings
    TapeMark mark;
    int widthPixels;
    int heightPixels;
    std::array<std::string_view, MaxRows> rows;  // top to bottom, one char per pixel

    constexpr bool IsSet(int x, int y) const {
        return rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == 'X';
    }
};

// Natural size of a glyph pixel: the glyphs were drawn for 96 pixels per inch.
inline constexpr int GlyphTwipsPerPixel = 15;

inline constexpr std::array<GlyphBitmap, 22> GlyphBitmaps{{
    {0,
     TapeMark::ClearAll,
     16,
     8,
     {".XXXX.....XXX...", "XXXXXX...XXXXX..", "XX..XX..XX...XX.", "XX......XX...XX.",
      "XX......XX...XX.", "XX..XX..XXXXXXX.", "XXXXXX..XX...XX.", ".XXXX...XX...XX."}},
    {1,
     TapeMark::Subtract,
     8,
     8,
     {"........", "........", "........", "XXXXXXXX", "XXXXXXXX", "........", "........",
      "........"}},
    {2,
     TapeMark::Add,
     8,
     8,
     {"...XX...", "...XX...", "...XX...", "XXXXXXXX", "XXXXXXXX", "...XX...", "...XX...",
      "...XX..."}},
    {3,
     TapeMark::Divide,
     8,
     8,
     {"...XX...", "...XX...", "........", "XXXXXXXX", "XXXXXXXX", "........", "...XX...",
      "...XX..."}},
    {4,
     TapeMark::Multiply,
     9,
     9,
     {".........", ".XX...XX.", ".XXX.XXX.", "..XXXXX..", "...XXX...", "..XXXXX..", ".XXX.XXX.",
      ".XX...XX.", "........."}},
    {5,
     TapeMark::MemorySubtract,
     16,
     8,
     {"XX....XX........", "XX....XX........", "XXX..XXX........", "XXX..XXX..XXXXXX",
      "XX.XX.XX..XXXXXX", "XX.XX.XX........", "XX....XX........", "XX....XX........"}},
    {6,
     TapeMark::MemoryAdd,
     16,
     8,
     {"XX....XX........", "XX....XX....XX..", "XXX..XXX....XX..", "XXX..XXX..XXXXXX",
      "XX.XX.XX..XXXXXX", "XX.XX.XX....XX..", "XX....XX....XX..", "XX....XX........"}},
    {7,
     TapeMark::MemoryRecall,
     16,
     8,
     {"XX....XX..XXXXX.", "XX....XX..XX..XX", "XXX..XXX..XX..XX", "XXX..XXX..XXXXXX",
      "XX.XX.XX..XXXXX.", "XX.XX.XX..XX..XX", "XX....XX..XX..XX", "XX....XX..XX..XX"}},
    {8,
     TapeMark::Equals,
     8,
     8,
     {"........", "XXXXXXXX", "XXXXXXXX", "........", "........", "XXXXXXXX", "XXXXXXXX",
      "........"}},
    {9,
     TapeMark::Percent,
     8,
     8,
     {".X...X..", "X.X..X..", "X.X.X...", ".X..X...", "...X..X.", "...X.X.X", "..X..X.X",
      "..X...X."}},
    {10,
     TapeMark::MemoryClear,
     16,
     8,
     {"XX....XX...XXXX.", "XX....XX..XXXXXX", "XXX..XXX..XX..XX", "XXX..XXX..XX....",
      "XX.XX.XX..XX....", "XX.XX.XX..XX..XX", "XX....XX..XXXXXX", "XX....XX...XXXX."}},
    // The business functions' marks, in the same hand: one symbol, or two letters.
    {11,
     TapeMark::Subtotal,
     8,
     8,
     {"...XX...", "..XXXX..", ".XX..XX.", "XX....XX", "XX....XX", ".XX..XX.", "..XXXX..",
      "...XX..."}},
    {12,
     TapeMark::NonAdd,
     8,
     8,
     {".XX..XX.", ".XX..XX.", "XXXXXXXX", ".XX..XX.", ".XX..XX.", "XXXXXXXX", ".XX..XX.",
      ".XX..XX."}},
    {13,
     TapeMark::Tax,
     16,
     8,
     {"XXXXXX..XX..XX..", "XXXXXX..XX..XX..", "..XX.....XXXX...", "..XX......XX....",
      "..XX......XX....", "..XX.....XXXX...", "..XX....XX..XX..", "..XX....XX..XX.."}},
    {14,
     TapeMark::TaxPlus,
     16,
     8,
     {"XXXXXX..........", "XXXXXX....XX....", "..XX......XX....", "..XX....XXXXXX..",
      "..XX....XXXXXX..", "..XX......XX....", "..XX......XX....", "..XX............"}},
    {15,
     TapeMark::TaxMinus,
     16,
     8,
     {"XXXXXX..........", "XXXXXX..........", "..XX............", "..XX....XXXXXX..",
      "..XX....XXXXXX..", "..XX............", "..XX............", "..XX............"}},
    {16,
     TapeMark::AfterTax,
     16,
     8,
     {"XXXXXX..........", "XXXXXX..XXXXXX..", "..XX....XXXXXX..", "..XX............",
      "..XX............", "..XX....XXXXXX..", "..XX....XXXXXX..", "..XX............"}},
    {17,
     TapeMark::Cost,
     16,
     8,
     {".XXXX...XXXXXX..", "XXXXXX..XXXXXX..", "XX..XX....XX....", "XX........XX....",
      "XX........XX....", "XX..XX....XX....", "XXXXXX....XX....", ".XXXX.....XX...."}},
    {18,
     TapeMark::Sell,
     16,
     8,
     {".XXXX...XX......", "XXXXXX..XX......", "XX......XX......", "XXXXX...XX......",
      ".XXXXX..XX......", "....XX..XX......", "XXXXXX..XXXXXX..", ".XXXX...XXXXXX.."}},
    {19,
     TapeMark::Margin,
     16,
     8,
     {"XX....XX...XXXX.", "XX....XX..XXXXXX", "XXX..XXX..XX....", "XXX..XXX..XX.XXX",
      "XX.XX.XX..XX.XXX", "XX.XX.XX..XX..XX", "XX....XX..XXXXXX", "XX....XX...XXXX."}},
    {20,
     TapeMark::MarginAmount,
     16,
     8,
     {"XX....XX...XXXX.", "XX....XX..XXXXXX", "XXX..XXX..XX..XX", "XXX..XXX..XX..XX",
      "XX.XX.XX..XXXXXX", "XX.XX.XX..XXXXXX", "XX....XX..XX..XX", "XX....XX..XX..XX"}},
    {21,
     TapeMark::GrandTotal,
     16,
     8,
     {".XXXX...XXXXXX..", "XXXXXX..XXXXXX..", "XX........XX....", "XX.XXX....XX....",
      "XX.XXX....XX....", "XX..XX....XX....", "XXXXXX....XX....", ".XXXX.....XX...."}},
}};

// Whether a mark is drawn as a picture (all but PendingResult, Error and Total).
constexpr bool HasGlyph(TapeMark mark) {
    for (const GlyphBitmap& glyph : GlyphBitmaps) {
        if (glyph.mark == mark) {
            return true;
        }
    }
    return false;
}

// The glyph of a mark drawn as a picture.
constexpr const GlyphBitmap& GlyphFor(TapeMark mark) {
    for (const GlyphBitmap& glyph : GlyphBitmaps) {
        if (glyph.mark == mark) {
            return glyph;
        }
    }
    return GlyphBitmaps[0];
}

// The widest glyph the tape was laid out for: the selection's band and the notes start right of
// the widest left-hand mark, so a wider one would move them on every tape.
inline constexpr int WidestGlyphPixels = 16;

// Each row is exactly as wide as its glyph, no glyph is wider than the widest, each mark has one
// glyph, and the table is in order.
constexpr bool GlyphTableIsWellFormed() {
    for (std::size_t i = 0; i < GlyphBitmaps.size(); ++i) {
        const GlyphBitmap& glyph = GlyphBitmaps[i];
        if (glyph.code != static_cast<int>(i) || glyph.heightPixels > GlyphBitmap::MaxRows ||
            glyph.widthPixels > WidestGlyphPixels || GlyphFor(glyph.mark).code != glyph.code) {
            return false;
        }
        for (std::size_t y = 0; y < glyph.rows.size(); ++y) {
            const std::size_t expected = y < static_cast<std::size_t>(glyph.heightPixels)
                                             ? static_cast<std::size_t>(glyph.widthPixels)
                                             : 0;
            if (glyph.rows[y].size() != expected) {
                return false;
            }
            for (char pixel : glyph.rows[y]) {
                if (pixel != 'X' && pixel != '.') {
                    return false;
                }
            }
        }
    }
    return true;
}
static_assert(GlyphTableIsWellFormed());

}  // namespace reckora
