// The line store: CurrentLine's contract, lines hidden by undo, ClearAll, the compact texts.

#include <string>

#include "TapeFixture.h"

namespace reckora {
namespace {

std::vector<std::string> TextsInForce(const CalcTape& tape) {
    std::vector<std::string> texts;
    for (std::int32_t i = 1; i <= tape.CurrentLine(); ++i) {
        texts.emplace_back(tape.Line(i).text.View());
    }
    return texts;
}

TEST_F(TapeFixture, AddLineStoresTheLineAsReported) {
    PaperTape& port = tape;
    port.AddLine(CodedEntry("-1,234.50", 1, false));
    EXPECT_EQ(port.CurrentLine(), 1);
    EXPECT_EQ(tape.Line(1).text.View(), "-1,234.50");
    EXPECT_EQ(tape.Line(1).mark, TapeMark::Subtract);
    EXPECT_EQ(tape.Line(1).ink, Ink::Red);
    EXPECT_EQ(tape.Line(1).centre, 255);
}

TEST_F(TapeFixture, LoweredCurrentLineHidesLinesAndTheNextLineDiscardsThem) {
    AddLines(5);
    tape.SetCurrentLine(3);
    EXPECT_EQ(tape.StoredLines(), 5);
    tape.Redraw();
    EXPECT_EQ(PictureOf("3.00").size(), 1u);
    EXPECT_TRUE(PictureOf("4.00").empty());
    EXPECT_TRUE(PictureOf("5.00").empty());

    tape.AddLine(CodedEntry("new", 2, true));
    EXPECT_EQ(tape.CurrentLine(), 4);
    EXPECT_EQ(tape.StoredLines(), 4);
    EXPECT_EQ(TextsInForce(tape), (std::vector<std::string>{"1.00", "2.00", "3.00", "new"}));
    EXPECT_EQ(tape.Line(4).centre, 4 * 255);
}

TEST_F(TapeFixture, HiddenLinesComeBackWhenCurrentLineIsRaisedAgain) {
    AddLines(5);
    tape.SetCurrentLine(2);
    tape.Redraw();
    tape.SetCurrentLine(5);
    tape.Redraw();
    EXPECT_EQ(PictureOf("5.00").size(), 1u);
    EXPECT_EQ(tape.NextY(), 6 * 255);
}

TEST_F(TapeFixture, CurrentLineOutsideTheStoreIsRefused) {
    AddLines(3);
    EXPECT_THROW(tape.SetCurrentLine(4), Failure);
    EXPECT_THROW(tape.SetCurrentLine(-1), Failure);
    EXPECT_EQ(tape.CurrentLine(), 3);
    try {
        tape.SetCurrentLine(10);
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Kind(), FailureKind::OutOfRange);
    }
}

TEST_F(TapeFixture, ClearAllOnAnEmptyTapeOnlyClearsTheSurface) {
    const std::int64_t clears = surface.Counts().clears;
    tape.ClearAll();
    EXPECT_EQ(surface.Counts().clears, clears + 1);
    EXPECT_EQ(bar.Maximum(), 0);
    EXPECT_EQ(bar.ChangeEvents(), 0);
    EXPECT_EQ(tape.CurrentLine(), 0);
}

TEST_F(TapeFixture, ClearAllForgetsAPendingResult) {
    tape.AddLine(CodedEntry("36.00", -2, true));
    tape.ClearAll();
    tape.AddLine(CodedEntry("36.00", 2, true));
    EXPECT_EQ(tape.Line(1).centre, 255);
    EXPECT_EQ(tape.NextY(), 510);
    EXPECT_EQ(PictureOf("36.00").at(0).top, 127.5f);
}

TEST_F(TapeFixture, RedrawAfterUndoRestoresThePendingResult) {
    tape.AddLine(CodedEntry("36.00", -2, true));
    tape.AddLine(CodedEntry("1.00", 2, true));
    tape.SetCurrentLine(1);
    tape.Redraw();
    EXPECT_EQ(tape.PendingText(), "36.00");
    tape.AddLine(CodedEntry("36.00", 2, true));
    EXPECT_EQ(tape.Line(2).centre, 255);
}

TEST(TapeText, HoldsShortTextsInsideAndLongOnesOnTheHeap) {
    const std::string shortText = "-1,234,567,890,123.45";  // 21 bytes
    const std::string longText = "1\u202f234\u202f567\u202f890\u202f123,45";
    TapeText a(shortText);
    TapeText b(longText);
    EXPECT_TRUE(a.IsInline());
    EXPECT_FALSE(b.IsInline());
    EXPECT_EQ(a.View(), shortText);
    EXPECT_EQ(b.View(), longText);
    EXPECT_EQ(TapeText("").View(), "");
    EXPECT_EQ(TapeText(std::string(22, 'x')).IsInline(), true);
    EXPECT_EQ(TapeText(std::string(23, 'x')).IsInline(), false);

    TapeText copy = b;
    TapeText moved = std::move(copy);
    EXPECT_EQ(moved.View(), longText);
    EXPECT_EQ(copy.View(), "");  // NOLINT: a moved-from text is empty
    a = moved;
    EXPECT_EQ(a.View(), longText);
    const TapeText& same = a;
    a = same;
    EXPECT_EQ(a.View(), longText);
    b = TapeText(shortText);
    EXPECT_EQ(b.View(), shortText);
    EXPECT_TRUE(b.IsInline());
}

TEST(TapeText, StoredLineStaysCompact) {
    EXPECT_LE(sizeof(TapeLine), 40u);
}

}  // namespace
}  // namespace reckora
