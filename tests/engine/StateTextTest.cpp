#include "StateText.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <limits>
#include <string>
#include <utility>

#include "KeyCommand.h"

namespace reckora {
namespace {

// A state with every field away from its default, and values whose text is easy to get wrong.
SavedState BusyState() {
    SavedState s;
    s.engine.entryText = "12.5";
    s.engine.entryValue = 12.5;
    s.engine.lastValue = -0.0;
    s.engine.runningTotal = 0.1 + 0.2;
    s.engine.chainValue = 1e21;
    s.engine.itemCount = -3;
    s.engine.chainOp = Operation::Multiply;
    s.engine.memoryValue = std::numeric_limits<double>::denorm_min();
    s.engine.errorState = true;
    s.engine.pendingCaption = "7 ";
    s.engine.timerArmed = true;
    s.engine.selectedOption = RoundingOption::Decimals2;
    s.engine.undoAvailable = true;
    s.engine.undoTapeLines = 4;
    s.engine.undoSnapshot = {
        1, 2, 3, -4.75, 5, std::nullopt, 1234567.125, 6.5, 2, PriceFigure::Margin, 20};
    s.engine.grandTotal = 1315.25;
    s.engine.grandTotalCount = 3;
    s.engine.priceFigure = PriceFigure::Cost;
    s.engine.priceValue = 80;
    s.engine.entryValueBeforeTyping = 0.5;
    s.engine.lastValueBeforeTyping = -1;
    s.engine.taxRate = 7.7;
    s.engine.roundingDirection = RoundingDirection::HalfUp;
    s.shown = {"12.5 ", Rgb{0, 0, 255}, "M", "3"};
    return s;
}

// Kept tapes hold this form: it must not drift.
TEST(StateText, WritesEveryFieldInItsKeptForm) {
    EXPECT_EQ(StateAsText(BusyState()),
              "reckora-state 3\n"
              "entry=12.5\nentryValue=12.5\nlastValue=-0\ntotal=0.30000000000000004\n"
              "chainValue=1e+21\nitems=-3\nchainOp=3\nmemoryValue=5e-324\nerror=1\npending=7 \n"
              "timer=1\noption=2\nundo=1\nundoLines=4\nundoEntryValue=1\nundoLastValue=2\n"
              "undoTotal=3\nundoChainValue=-4.75\nundoItems=5\nundoChainOp=-1\n"
              "undoMemoryValue=1234567.125\ndisplay=12.5 \ndisplayColor=16711680\nmemory=M\n"
              "counter=3\ngrandTotal=1315.25\ngrandTotalCount=3\npriceFigure=1\npriceValue=80\n"
              "entryValueBeforeTyping=0.5\nlastValueBeforeTyping=-1\ntaxRate=7.7\n"
              "roundingDirection=halfup\nundoGrandTotal=6.5\nundoGrandTotalCount=2\n"
              "undoPriceFigure=3\nundoPriceValue=20\n");
}

// A state kept by the version before the business registers reads with them at their start
// values; the same text under the current version line lacks fields and is refused.
TEST(StateText, AVersionTwoTextReadsWithTheBusinessRegistersAtRest) {
    SavedState busy = BusyState();
    std::string text = StateAsText(busy);
    text = text.substr(0, text.find("grandTotal="));
    const std::optional<SavedState> read =
        StateFromText("reckora-state 2" + text.substr(text.find('\n')));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->engine.grandTotal, 0);
    EXPECT_EQ(read->engine.taxRate, 0);
    EXPECT_EQ(read->engine.roundingDirection, RoundingDirection::Designed);
    EXPECT_EQ(read->engine.memoryValue, busy.engine.memoryValue);
    EXPECT_FALSE(StateFromText(text).has_value());
    EXPECT_EQ(StateFromText(StateAsText(busy)), busy);
}

// Whole values take a quicker way to their text; it must be the text std::to_chars gives, which
// reads back exactly, on both sides of where the fixed and the scientific forms are equally long.
TEST(StateText, WritesWholeValuesAsTheShortestTextThatReadsBack) {
    for (const double mantissa : {1.0, 7.0, 12.0, 100.0, 105.0, 999.0, 12345.0, 9999999.0}) {
        for (double scale = 1; scale <= 1e16; scale *= 10) {
            for (const double value : {mantissa * scale, -mantissa * scale}) {
                SavedState state;
                state.engine.entryValue = value;
                std::array<char, 32> expected{};
                char* end =
                    std::to_chars(expected.data(), expected.data() + expected.size(), value).ptr;
                const std::string line = "\nentryValue=" + std::string(expected.data(), end) + "\n";
                EXPECT_NE(StateAsText(state).find(line), std::string::npos) << line;
            }
        }
    }
}

// A line break would end the field early and make the rest of the form unreadable.
// Kept states write the display colour as a number with red in the low byte: a text kept before
// the colour had a type of its own reads back as the same colour, and writes the same number.
TEST(StateText, DisplayColourNumbersReadBackAsTheSameColour) {
    const std::string kept = StateAsText(BusyState());
    const std::size_t field = kept.find("displayColor=");
    const std::size_t end = kept.find('\n', field);
    const auto withColour = [&](const std::string& number) {
        return kept.substr(0, field) + "displayColor=" + number + kept.substr(end);
    };
    const std::pair<const char*, Rgb> table[] = {
        {"0", DisplayBlack},
        {"255", DisplayRed},
        {"65280", Rgb{0, 255, 0}},
        {"16711680", Rgb{0, 0, 255}},
        {"1193046", Rgb{0x56, 0x34, 0x12}},
        {"16777215", Rgb{255, 255, 255}},
    };
    for (const auto& [number, colour] : table) {
        const std::optional<SavedState> read = StateFromText(withColour(number));
        ASSERT_TRUE(read.has_value()) << number;
        EXPECT_EQ(read->shown.displayColor, colour) << number;
        EXPECT_EQ(StateAsText(*read), withColour(number));
    }
    for (const char* notAColour : {"16777216", "-1", "red"}) {
        EXPECT_FALSE(StateFromText(withColour(notAColour)).has_value()) << notAColour;
    }
}

TEST(StateText, ACaptionWithALineBreakIsWrittenEmpty) {
    for (const char* caption : {"1\n2", "1\r2"}) {
        SavedState state = BusyState();
        state.shown.memory = caption;
        const std::optional<SavedState> read = StateFromText(StateAsText(state));
        ASSERT_TRUE(read.has_value()) << caption;
        EXPECT_EQ(read->shown.memory, "");
        EXPECT_EQ(read->shown.counter, "3");
    }
}

}  // namespace
}  // namespace reckora
