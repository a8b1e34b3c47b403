// Where lines land on the screen tape: marks, numbers, rules, counts, colours and the vertical
// advance, at the design metrics.

#include <cmath>
#include <sstream>
#include <string>

#include "LineLayout.h"
#include "TapeFixture.h"

namespace reckora {
namespace {

const std::string RuleLine = std::string(SeparatorText);

TEST_F(TapeFixture, FirstAddedLineHasPlusGlyphLeftAndNumberRightAligned) {
    lines.AddLine(CodedEntry("12.00", 2, true));
    const std::vector<DrawOp> expected{GlyphOp(2, 285, 187.5f), TextOp(2715, 127.5f, "12.00")};
    EXPECT_EQ(surface.Picture(), expected);
    EXPECT_EQ(tape.NextY(), 510);
    EXPECT_EQ(tape.Centre(1), 255);
}

TEST_F(TapeFixture, EachCodeDrawsItsOwnMarkOnItsSide) {
    struct Case {
        std::int32_t op;
        int glyph;  // -1: none
        float x;
    };
    const Case cases[] = {
        {-2, -1, 0},   {-1, -1, 0},    {0, 0, 285},   {1, 1, 285},   {2, 2, 285},   {3, 3, 3525},
        {4, 4, 3525},  {5, 5, 285},    {6, 6, 285},   {7, 7, 285},   {8, 8, 3525},  {9, 9, 3525},
        {10, 10, 285}, {11, 11, 3525}, {12, 12, 285}, {13, 13, 285}, {14, 14, 285}, {15, 15, 285},
        {16, 16, 285}, {17, 17, 285},  {18, 18, 285}, {19, 19, 285}, {20, 20, 285}};
    for (const Case& c : cases) {
        lines.ClearAll();
        lines.AddLine(CodedEntry("1", c.op, true));
        SCOPED_TRACE(c.op);
        const std::vector<DrawOp> glyphs = Glyphs();
        if (c.glyph < 0) {
            EXPECT_TRUE(glyphs.empty());
        } else {
            ASSERT_EQ(glyphs.size(), 1u);
            EXPECT_EQ(glyphs[0].glyph, c.glyph);
            EXPECT_EQ(glyphs[0].x, c.x);
            EXPECT_EQ(glyphs[0].width,
                      GlyphBitmaps[static_cast<std::size_t>(c.glyph)].widthPixels * 15);
        }
        EXPECT_EQ(tape.NextY(), 510);
    }
}

TEST_F(TapeFixture, SameTextWithCodeOneToSixOverdrawsAPendingResult) {
    lines.AddLine(CodedEntry("36.00", -2, true));
    lines.AddLine(CodedEntry("36.00", 2, true));
    const std::vector<DrawOp> expected{TextOp(2715, 127.5f, "36.00"), GlyphOp(2, 285, 187.5f),
                                       TextOp(2715, 127.5f, "36.00")};
    EXPECT_EQ(surface.Picture(), expected);
    EXPECT_EQ(tape.NextY(), 510);
    EXPECT_EQ(lines.CurrentLine(), 2);
}

TEST_F(TapeFixture, TotalLineHasRuleCountAndExtraSpacing) {
    lines.AddLine(CodedEntry("1.00", 2, true));
    surface.Clear();
    lines.AddLine(CodedEntry("36.00", 103, true));
    const std::vector<DrawOp> expected{TextOp(285, 287, RuleLine), TextOp(285, 446.5f, "3"),
                                       TextOp(2715, 446.5f, "36.00")};
    EXPECT_EQ(surface.Picture(), expected);
    EXPECT_EQ(surface.Picture()[0].width, 23 * 135);
    EXPECT_EQ(tape.NextY(), 956);
}

// A grand total is spaced and ruled as a total; its mark stands in front of the count of totals.
TEST_F(TapeFixture, GrandTotalHasRuleMarkAndCountOfTotals) {
    lines.AddLine(CodedEntry("1.00", 2, true));
    surface.Clear();
    lines.AddLine(CodedEntry("36.00", -103, true));
    const std::vector<DrawOp> expected{TextOp(285, 287, RuleLine), GlyphOp(21, 285, 506.5f),
                                       TextOp(690, 446.5f, "3"), TextOp(2715, 446.5f, "36.00")};
    EXPECT_EQ(surface.Picture(), expected);
    EXPECT_EQ(tape.NextY(), 956);
}

TEST_F(TapeFixture, TotalShowsItsItemCount) {
    const std::pair<std::int32_t, std::string> cases[] = {
        {100, "0"}, {142, "42"}, {40099, "39999"}, {2147483647, "2147483547"}};
    for (const auto& [op, count] : cases) {
        lines.ClearAll();
        lines.AddLine(CodedEntry("9", op, false));
        SCOPED_TRACE(op);
        EXPECT_EQ(PictureOf(count).size(), 1u);
        EXPECT_EQ(PictureOf(count).at(0).color, TapeDarkBlue);
        EXPECT_EQ(PictureOf("9").at(0).color, TapeRed);
    }
}

// What a line shows beyond its number: each case lists the operations other than the mark glyph
// and the number, at the design metrics (the number "12.00" stands at 2715..3390, its row's top
// at 127.5; small texts are 108 x 204).
TEST(LineLayout, SelectionCorrectionChangeMarkAndNoteTakeTheFreeRoom) {
    struct Case {
        const char* name;
        LineExtras extras;
        std::vector<std::string> expected;
        bool selected = false;
        std::int64_t code = 2;
    };
    const Case cases[] = {
        {"nothing extra", {}, {}},
        {"selected: a band between the marks", {}, {"fill 540,127.5 2985x255 band"}, true},
        {"corrected: the original left of the number, struck through",
         {"", "10.00", false},
         {"text 10.00 1905,127.5 grey", "fill 1905,245.893 675x18.2143 grey"}},
        {"an original too long for the room is set small",
         {"", "1,234,567,890,123.45", false},
         {"text 1,234,567,890,123.45 420,153 grey", "fill 420,245.893 2160x18.2143 grey"}},
        {"changed: a mark after the number", {"", "", true}, {"text * 3390,127.5 orange"}},
        {"a note from the band's left edge", {"rent", "", false}, {"text rent 540,153 green"}},
        {"a long note is cut before the original",
         {"the rent of the garage in May", "10.00", false},
         {"text 10.00 1905,127.5 grey", "fill 1905,245.893 675x18.2143 grey",
          "text the rent... 540,153 green"}},
        {"a total's note follows its count, its band covers the count row",
         {"sum", "", false},
         {"fill 540,127.5 2985x319 band", "text sum 555,217 green"},
         true,
         103},
        {"a grand total's note follows its mark and count",
         {"sum", "", false},
         {"text sum 960,217 green"},
         false,
         -103},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingSurface surface;
        const TapeEntry entry = CodedEntry("12.00", c.code, true);
        const TapeLine line{TapeText(entry.text), entry.itemCount, entry.mark, entry.ink};
        const LineFrame frame{3795, 135, 255};
        DrawTapeLine(surface, frame, 255, line, {&c.extras, c.selected});
        std::vector<std::string> drawn;
        for (const DrawOp& op : surface.Picture()) {
            if (op.kind == DrawOp::Kind::Glyph || op.text == "12.00" || op.text == "3" ||
                op.text == RuleLine) {
                continue;
            }
            const std::pair<Rgb, const char*> inks[] = {{SelectionBand, "band"},
                                                        {OriginalInk, "grey"},
                                                        {NoteInk, "green"},
                                                        {ChangeMarkInk, "orange"}};
            std::string ink = "?";
            for (const auto& [rgb, name] : inks) {
                ink = rgb == op.color ? name : ink;
            }
            const bool fill = op.kind == DrawOp::Kind::Fill;
            std::ostringstream out;
            out << (fill ? "fill" : "text " + op.text) << " " << op.x << "," << op.top;
            if (fill) {
                out << " " << op.width << "x" << op.height;
            }
            out << " " << ink;
            drawn.push_back(out.str());
        }
        EXPECT_EQ(drawn, c.expected);
    }
}

// A tape of only the designed lines draws as it always did: the digest of every drawing operation
// and of the glyphs' pixels was taken before the business functions' marks came. Every designed
// mark, a total, an overdrawn pair, an error, a selection, a correction, the change mark, a note.
TEST_F(TapeFixture, DesignedLinesDrawAsTheyAlwaysDid) {
    for (const std::int64_t code : {-2, 2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 0, 103, -1}) {
        lines.AddLine(CodedEntry("36.00", code, code != -1));
    }
    lines.SetExtras(3, {"rent for the garage", "10.00", true});
    tape.SelectLine(13);
    std::ostringstream out;
    out.precision(9);
    for (const DrawOp& op : surface.Picture()) {
        out << static_cast<int>(op.kind) << ' ' << op.x << ' ' << op.top << ' ' << op.width << ' '
            << op.height << ' ' << int{op.color.red} << ' ' << int{op.color.green} << ' '
            << int{op.color.blue} << ' ' << op.text << ' ' << op.glyph << ';';
        for (const std::string_view row :
             GlyphBitmaps[static_cast<std::size_t>(std::max(op.glyph, 0))].rows) {
            out << row;
        }
    }
    std::uint64_t digest = 14695981039346656037u;  // FNV-1a
    for (const char byte : out.str()) {
        digest = (digest ^ static_cast<unsigned char>(byte)) * 1099511628211u;
    }
    EXPECT_EQ(digest, 16143022328960402003u);
}

// A click finds the line whose band it falls in; a total's band covers its count row, the gap
// after a total belongs to no line.
TEST_F(TapeFixture, HeightOnTheTapeFindsItsLine) {
    lines.AddLine(CodedEntry("1.00", 2, true));
    lines.AddLine(CodedEntry("2.00", 2, true));
    lines.AddLine(CodedEntry("3.00", 102, true));
    lines.AddLine(CodedEntry("4.00", 2, true));
    const std::pair<double, std::int32_t> cases[] = {{100, 0}, {127.5, 1}, {382, 1},  {383, 2},
                                                     {900, 3}, {1000, 0},  {1300, 4}, {1400, 0}};
    for (const auto& [y, line] : cases) {
        EXPECT_EQ(tape.LineAt(y), line) << y;
    }
    // A line hidden by a lowered CurrentLine is not found.
    lines.SetCurrentLine(3);
    EXPECT_EQ(tape.LineAt(1300), 0);
}

TEST(LineLayout, RoundsHalvesToEven) {
    const std::pair<double, std::int64_t> cases[] = {{97.5, 98}, {352.5, 352}, {956.5, 956},
                                                     {-0.5, 0},  {-1.5, -2},   {541.875, 542}};
    for (const auto& [value, rounded] : cases) {
        EXPECT_EQ(RoundHalfEven(value), rounded) << value;
    }
    EXPECT_EQ(RoundToInt32(2147483647.4), 2147483647);
    EXPECT_THROW(RoundToInt32(2147483648.0), Failure);
    EXPECT_THROW(RoundToInt32(std::nan("")), Failure);
}

// The codes in use read back in every test that draws a CodedEntry and in every golden tape; the
// codes between and beyond them are none.
TEST(LineLayout, CodesBetweenAndBeyondTheMarksAreNone) {
    for (const std::int64_t code : {-3LL, -99LL, 21LL, 99LL, 2147483648LL}) {
        EXPECT_FALSE(MarkOfLineCode(code).has_value()) << code;
    }
}

}  // namespace
}  // namespace reckora
