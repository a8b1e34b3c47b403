// The tape in words: the patterns by mark, the one-item total, and a translation passed in.

#include <gtest/gtest.h>

#include "SpokenText.h"

namespace reckora {
namespace {

TEST(SpokenText, SaysEachKindOfLine) {
    struct Row {
        const char* text;
        TapeMark mark;
        std::int32_t items;
        const char* spoken;
    };
    const Row rows[] = {
        {"1,250", TapeMark::Add, 0, "plus 1,250"},
        {"1,614.75", TapeMark::Total, 4, "total 1,614.75, 4 items"},
        {"5", TapeMark::Total, 1, "total 5, 1 item"},
        {"-Error-", TapeMark::Error, 0, "error"},
        {"12", TapeMark::Percent, 0, "12 percent of"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(SpokenText(row.text, row.mark, row.items), row.spoken) << row.text;
    }
    EXPECT_EQ(SpokenText("3", TapeMark::Multiply, 0,
                         [](const char* pattern) {
                             return std::string(pattern) == "%1 times" ? "%1 mal" : pattern;
                         }),
              "3 mal");
}

TEST(SpokenText, SaysWhatACorrectionLeftOnTheLine) {
    const LineExtras corrected{.note = "rent", .original = "12", .changed = false};
    const LineExtras changed{.note = "", .original = "", .changed = true};
    const LineExtras noted{.note = "rent", .original = "", .changed = false};
    EXPECT_EQ(SpokenLine("15", TapeMark::Add, 0, &corrected), "plus 15, corrected, was 12");
    EXPECT_EQ(SpokenLine("30", TapeMark::Total, 2, &changed),
              "total 30, 2 items, changed by a correction");
    EXPECT_EQ(SpokenLine("15", TapeMark::Add, 0, &noted), "plus 15");
    EXPECT_EQ(SpokenLine("15", TapeMark::Add, 0, nullptr), "plus 15");
}

}  // namespace
}  // namespace reckora
