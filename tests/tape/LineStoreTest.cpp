// The line store: CurrentLine's contract and the compact texts. A line as reported is drawn in
// GeometryTest; lines hidden by undo and redrawn are covered by the replay equivalence test.

#include <string>

#include "TapeFixture.h"

namespace reckora {
namespace {

TEST_F(TapeFixture, CurrentLineOutsideTheStoreIsRefused) {
    AddLines(3);
    EXPECT_THROW(lines.SetCurrentLine(4), Failure);
    EXPECT_THROW(lines.SetCurrentLine(-1), Failure);
    EXPECT_EQ(lines.CurrentLine(), 3);
    try {
        lines.SetCurrentLine(10);
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Kind(), FailureKind::OutOfRange);
    }
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

}  // namespace
}  // namespace reckora
