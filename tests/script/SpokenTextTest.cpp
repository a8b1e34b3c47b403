// The tape in words: the patterns by mark, the one-item total and the one-total grand total, and a
// translation passed in.

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
        {"20.00", TapeMark::GrandTotal, 2, "grand total 20.00, 2 totals"},
        {"5", TapeMark::GrandTotal, 1, "grand total 5, 1 total"},
        {"4711", TapeMark::NonAdd, 0, "number 4711, not added"},
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

}  // namespace
}  // namespace reckora
