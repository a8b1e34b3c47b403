// Conversions between settings texts and values, including texts the program never writes.

#include "SettingsText.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <utility>

#include "NumberFormat.h"

namespace reckora {
namespace {

TEST(SettingsTextTest, Booleans) {
    struct Case {
        std::string text;
        std::optional<bool> expected;
    };
    const Case cases[] = {
        {"True", true}, {"False", false}, {"true", true}, {" FALSE ", false}, {"0", false},
        {"1", true},    {"-1", true},     {"0.0", false}, {"0.5", true},      {"yes", {}},
        {"", {}},       {"Tru", {}},      {"True1", {}},  {"1 0", {}},        {"--1", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseBoolean(c.text, "."), c.expected) << '"' << c.text << '"';
    }
    EXPECT_EQ(BooleanText(true), "True");
    EXPECT_EQ(BooleanText(false), "False");
}

TEST(SettingsTextTest, WholeNumbersRoundHalfToEven) {
    constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
    const std::pair<std::string, std::int32_t> withPoint[] = {
        {"4110", 4110}, {"2.5", 2},    {"3.5", 4},          {"-2.5", -2},
        {"-3.5", -4},   {"2.4999", 2}, {"2.5001", 3},       {"0.5", 0},
        {".5", 0},      {"7.", 7},     {"2147483647", Max}, {"-2147483648", Min}};
    for (const auto& [text, expected] : withPoint) {
        EXPECT_EQ(ParseWholeNumber(text, ".", Min, Max), expected) << '"' << text << '"';
    }
    // A full stop is always understood.
    const std::pair<std::string, std::int32_t> withComma[] = {
        {"1234,5", 1234}, {"1235,5", 1236}, {"1234.5", 1234}};
    for (const auto& [text, expected] : withComma) {
        EXPECT_EQ(ParseWholeNumber(text, ",", Min, Max), expected) << '"' << text << '"';
    }
    // 2147483647.5 rounds to 2147483648; there is no grouping.
    const std::string refused[] = {"2147483648", "2147483647.5", "1,234", "True",
                                   "99999999999999999999999"};
    for (const std::string& text : refused) {
        EXPECT_EQ(ParseWholeNumber(text, ".", Min, Max), std::nullopt) << '"' << text << '"';
    }
    EXPECT_EQ(ParseWholeNumber("6.5", ".", 0, 6), 6);
    EXPECT_EQ(ParseWholeNumber("5.5", ".", 0, 6), 6);
    EXPECT_EQ(ParseWholeNumber("7", ".", 0, 6), std::nullopt);
    EXPECT_EQ(ParseWholeNumber("-1", ".", 0, 6), std::nullopt);
    EXPECT_EQ(ParseWholeNumber("-0.5", ".", 0, 6), 0);
}

TEST(SettingsTextTest, NumbersAreWrittenInTheLocale) {
    EXPECT_EQ(NumberText(4110.0F, "."), "4110");
    EXPECT_EQ(NumberText(-1.0F, ","), "-1");
    EXPECT_EQ(NumberText(0.0F, "."), "0");
    EXPECT_EQ(NumberText(1234.5F, ","), "1234,5");
    EXPECT_EQ(NumberText(0.1F, "."), "0.1");
    EXPECT_EQ(NumberText(16777216.0F, "."), "16777216");
    // What is written reads back as the same whole number.
    for (const float value : {1.0F, 4110.0F, 8655.5F, -240.0F, 28785.0F}) {
        EXPECT_EQ(ParseWholeNumber(NumberText(value, ","), ",", -100000, 100000),
                  static_cast<std::int32_t>(RoundDecimals(value, 0, TieRule::HalfEven)));
    }
}

}  // namespace
}  // namespace reckora
