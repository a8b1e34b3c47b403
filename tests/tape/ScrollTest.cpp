// The scroll range, page-wise scrolling, the scroll bar's events, font size and size changes at
// fixed figures; random mixes of them are checked against a full replay in ReplayEquivalenceTest.

#include <cmath>
#include <span>

#include "TapeFixture.h"

namespace reckora {
namespace {

TEST_F(TapeFixture, FourteenthLineScrollsTheViewByOneLine) {
    AddLines(14);
    EXPECT_EQ(tape.NextY(), 3825);
    EXPECT_EQ(bar.Maximum(), 1);
    EXPECT_EQ(bar.Value(), 1);
    EXPECT_EQ(tape.ScrollTop(), 255);
    // The view was redrawn one line lower: line 1 half above it, the newest line inside it.
    EXPECT_EQ(PictureOf("14.00").at(0).top, 3570 - 255 - 127.5f);
    EXPECT_EQ(PictureOf("1.00").at(0).top, -127.5f);
}

TEST_F(TapeFixture, SelectionScrollsIntoViewACorrectionKeepsThePlaceACutBackForgetsBoth) {
    AddLines(40);
    tape.SelectLine(1);
    EXPECT_EQ(bar.Value(), 0);
    lines.ReplaceLinesFrom(2, {CodedEntry("7.00", 2, true), CodedEntry("8.00", 2, true)},
                           {{3, LineExtras{"rent", "", false}}});
    EXPECT_EQ(bar.Value(), 0);
    EXPECT_EQ(lines.CurrentLine(), 3);
    EXPECT_EQ(lines.Extras(3)->note, "rent");
    AddLines(37);
    tape.SelectLine(40);
    EXPECT_EQ(bar.Value(), bar.Maximum());
    EXPECT_EQ(PictureOf("37.00").size(), 1u);
    lines.SetCurrentLine(2);
    EXPECT_EQ(tape.SelectedLine(), 0);
    EXPECT_EQ(lines.Extras(3), nullptr);
}

struct PageCase {
    std::int32_t from;
    bool up;
    std::int32_t to;
};

// Moves the bar to each case's start, pages once and checks the bar and the view (lines of 255).
void ExpectPaging(MemoryScrollBar& bar, CalcTape& tape, std::span<const PageCase> cases) {
    for (const PageCase& c : cases) {
        bar.UserMoves(c.from);
        (c.up ? tape.PageUp() : tape.PageDown());
        EXPECT_EQ(bar.Value(), c.to) << c.from << (c.up ? " up" : " down");
        EXPECT_EQ(tape.ScrollTop(), std::int64_t{c.to} * 255);
    }
}

TEST_F(TapeFixture, PagingMovesByTheWholeLinesInViewLessOne) {
    AddLines(43);
    ASSERT_EQ(bar.Maximum(), 30);
    const PageCase cases[] = {{10, true, 0},   {13, true, 0},   {14, true, 1},   {30, true, 17},
                              {20, false, 30}, {10, false, 23}, {17, false, 30}, {0, false, 13}};
    ExpectPaging(bar, tape, cases);
}

TEST_F(TapeFixture, PageInAViewUnderHalfALineStaysOnTheBar) {
    AddLines(20);
    surface.Resize(3795, 100);  // H / LH - 1 rounds to -1
    tape.OnResize();
    const std::int32_t maximum = bar.Maximum();
    ASSERT_EQ(maximum, 21);
    ASSERT_EQ(bar.Value(), maximum);
    // The page is -1: up moves down a line and down moves up one, but never off the bar.
    const PageCase cases[] = {
        {21, true, 21}, {0, false, 0}, {21, false, 20}, {0, true, 1}, {5, true, 6}};
    ExpectPaging(bar, tape, cases);
}

TEST_F(TapeFixture, ScrollBarFocusGoesBackToTheMainWindow) {
    bar.UserFocuses();
    EXPECT_EQ(focusHandedBack, 1);
}

TEST_F(TapeFixture, AppendThatFitsDoesNotRedraw) {
    AddLines(3);
    EXPECT_EQ(surface.Counts().clears, 1);  // creation only
    EXPECT_EQ(bar.ChangeEvents(), 0);
}

TEST_F(TapeFixture, FontSizeMeasuresAgainAndSizesTheBarWithoutRedrawing) {
    AddLines(3);
    const std::int64_t clears = surface.Counts().clears;
    tape.SetFontSize(15);
    EXPECT_FLOAT_EQ(tape.FontSize(), 15);
    EXPECT_EQ(tape.CharWidth(), 180);
    EXPECT_EQ(tape.LineHeight(), 340);
    EXPECT_EQ(bar.Width(), 360);
    EXPECT_EQ(tape.NextY(), 1020);  // kept until the size change redraws
    EXPECT_EQ(surface.Counts().clears, clears);
    tape.OnResize();
    EXPECT_EQ(tape.NextY(), 340 * 4);
    EXPECT_EQ(PictureOf("3.00").at(0).top, 3 * 340 - 170);
}

TEST_F(TapeFixture, FontSizeOutsideSinglePrecisionFails) {
    EXPECT_THROW(tape.SetFontSize(1e300), Failure);
    EXPECT_THROW(tape.SetFontSize(std::nan("")), Failure);
    EXPECT_FLOAT_EQ(tape.FontSize(), 11.25f);
}

TEST_F(TapeFixture, SizeChangeGoesOnPastAFailingStep) {
    AddLines(20);
    bar.failResizing = true;
    surface.Resize(3795, 2000);
    tape.OnResize();
    EXPECT_EQ(bar.Height(), 3495);
    EXPECT_EQ(bar.Maximum(), 20 - 6);
    EXPECT_EQ(PictureOf("20.00").size(), 1u);
}

}  // namespace
}  // namespace reckora
