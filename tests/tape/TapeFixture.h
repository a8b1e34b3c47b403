#pragma once
// A tape on in-memory parts at the design size: 3795 x 3600 twips, a fixed-width font whose
// "W" is 135 x 255 twips at 11.25 points.

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "CalcTape.h"
#include "CodedEntry.h"
#include "MemoryScrollBar.h"
#include "RecordingPrinter.h"
#include "RecordingSurface.h"

namespace reckora {

class TapeFixture : public ::testing::Test {
protected:
    RecordingSurface surface;
    MemoryScrollBar bar;
    RecordingPrintService printing;
    int focusHandedBack = 0;
    TapeModel lines;
    CalcTape tape{lines, surface, bar, [this] { ++focusHandedBack; }, printing};

    void AddLines(int count, std::int32_t op = 2) {
        for (int i = 0; i < count; ++i) {
            lines.AddLine(CodedEntry(std::to_string(i + 1) + ".00", op, true));
        }
    }

    std::vector<DrawOp> PictureOf(const std::string& text) const {
        return OpsWhere([&text](const DrawOp& op) { return op.text == text; });
    }
    std::vector<DrawOp> Glyphs() const {
        return OpsWhere([](const DrawOp& op) { return op.kind == DrawOp::Kind::Glyph; });
    }
    template <typename Predicate>
    std::vector<DrawOp> OpsWhere(Predicate predicate) const {
        std::vector<DrawOp> found;
        std::ranges::copy_if(surface.Picture(), std::back_inserter(found), predicate);
        return found;
    }
};

inline void PrintTo(const DrawOp& op, std::ostream* out) {
    *out << (op.kind == DrawOp::Kind::Text ? "text \"" + op.text + "\""
                                           : "glyph " + std::to_string(op.glyph))
         << " at " << op.x << ", " << op.top << " size " << op.width << " x " << op.height
         << " rgb " << int{op.color.red} << "," << int{op.color.green} << "," << int{op.color.blue};
}

inline DrawOp TextOp(float x, float top, const std::string& text, Rgb color = TapeDarkBlue) {
    const float width = FixedFontMetrics{}.Measure(text, 11.25f).width;
    return {DrawOp::Kind::Text, x, top, width, 255, color, text};
}

inline DrawOp GlyphOp(int code, float x, float top) {
    return {DrawOp::Kind::Glyph,
            x,
            top,
            static_cast<float>(GlyphBitmaps[static_cast<std::size_t>(code)].widthPixels * 15),
            135,
            GlyphInk,
            {},
            code};
}

}  // namespace reckora
