#include "NumberParse.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

namespace reckora {
namespace {

const NumberLocale English{".", ","};
const NumberLocale German{",", "."};
const NumberLocale French{",", "\u202F"};

TEST(ParseEntryText, DigitsAndOneSeparator) {
    EXPECT_EQ(ParseEntryText("0", English), 0);
    EXPECT_EQ(ParseEntryText("1234", English), 1234);
    EXPECT_EQ(ParseEntryText("0.", English), 0);
    EXPECT_EQ(ParseEntryText("1.50", English), 1.5);
    EXPECT_EQ(ParseEntryText("1,5", German), 1.5);
    EXPECT_EQ(ParseEntryText("1.2.", English), std::nullopt);
    EXPECT_EQ(ParseEntryText("1.5", German), std::nullopt);
    EXPECT_EQ(ParseEntryText("", English), std::nullopt);
    EXPECT_EQ(ParseEntryText(".", English), std::nullopt);
}

// A typed entry's value is read the quick way; it must be the double nearest the decimal, as
// from_chars reads it, wherever the separator stands and however many digits there are.
TEST(ParseEntryText, AnEntryIsTheNearestDouble) {
    std::uint64_t seed = 12345;
    for (int round = 0; round < 5000; ++round) {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        const std::string digits = std::to_string(seed % 1'000'000'000'000'000ULL);
        std::string text = digits.substr(0, 1 + static_cast<std::size_t>(round) % digits.size());
        text.insert(static_cast<std::size_t>(round / 7) % (text.size() + 1), ".");
        double expected = 0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        EXPECT_EQ(ParseEntryText(text, English), expected) << text;
    }
}

struct PasteCase {
    std::string text;
    const NumberLocale* locale;
    std::optional<double> expected;
};

TEST(ParsePastedNumber, AcceptedForms) {
    const PasteCase cases[] = {
        {"42", &English, 42},
        {"  -12.5\n", &English, -12.5},
        {"\t+7\r\n", &English, 7},
        {"\u22123", &English, -3},
        {"1,234.", &English, 1234},
        {"1,234,567.25", &English, 1234567.25},
        {"12,34", &English, 1234},
        {".5", &English, 0.5},
        {"1.5e3", &English, 1500},
        {"2E-2", &English, 0.02},
        {"1e-320", &English, 1e-320},
        {"1e-324", &English, 0},
        {"1e-400", &English, 0},
        {"-1e-400", &English, 0},
        {"0.0000001e-99999999999999999999", &English, 0},
        {"1.234,5", &German, 1234.5},
        {"1 234,5", &French, 1234.5},
        {"1\u00A0234,5", &French, 1234.5},
        {"1\u202F234,5", &French, 1234.5},
        {"\u00A05\u202F", &English, 5},
    };
    for (const PasteCase& c : cases) {
        EXPECT_EQ(ParsePastedNumber(c.text, *c.locale), c.expected) << c.text;
    }
}

TEST(ParsePastedNumber, RefusedForms) {
    // "\0011" is a control character before 1; the NUL in "1\0002"s is part of the text; octal 377
    // and 376 are bytes that are no UTF-8, and "\xe2\x88" is a character cut short.
    using namespace std::string_literals;
    const std::string refused[] = {"",      " ",      "-",       "+",          ".",       ",",
                                   "abc",   "12a",    "$12",     "12€",        "0x1F",    "inf",
                                   "nan",   "(12)",   "1.2.3",   "--1",        "1e",      "1e+",
                                   "1e999", "-1e400", "1 2",     ",5",         "e5",      "1.5.",
                                   "12-",   "\0011",  "1\0002"s, "\377\37612", "\xe2\x88"};
    for (const std::string& text : refused) {
        EXPECT_EQ(ParsePastedNumber(text, English), std::nullopt) << text;
    }
}

TEST(ParsePastedNumber, LongTextIsRefusedBeforeParsing) {
    EXPECT_EQ(ParsePastedNumber(std::string(MaxPastedLength, '1'), English).has_value(), true);
    EXPECT_EQ(ParsePastedNumber(std::string(MaxPastedLength + 1, '1'), English), std::nullopt);
    EXPECT_EQ(ParsePastedNumber(std::string(10'000'000, ' ') + "5", English), std::nullopt);
}

}  // namespace
}  // namespace reckora
