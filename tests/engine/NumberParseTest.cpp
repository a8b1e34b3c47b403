// What each source of numbers accepts, in the locales that write them differently.

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
constexpr std::nullopt_t No = std::nullopt;

// One text read in one locale as each form reads it.
struct Row {
    std::string text;
    const NumberLocale* locale;
    std::optional<double> entry, shown, pasted, setting;  // as NumberForm reads it
};

TEST(ReadNumber, EachFormReadsItsOwnGrammar) {
    const Row rows[] = {
        {"1234", &English, 1234, 1234, 1234, 1234},
        {"0.", &English, 0, 0, 0, 0},
        {"1.50", &English, 1.5, 1.5, 1.5, 1.5},
        {".5", &English, 0.5, No, 0.5, 0.5},
        {"-12.5", &English, No, -12.5, -12.5, -12.5},
        {"+7", &English, No, No, 7, 7},
        {"\u22123", &English, No, No, -3, No},
        {" \t42 ", &English, No, No, 42, 42},
        {"  -12.5\n", &English, No, No, -12.5, No},
        {"\u00A05\u202F", &English, No, No, 5, No},
        {"1,234,567.25", &English, No, 1234567.25, 1234567.25, No},
        {"12,34", &English, No, 1234, 1234, No},
        {"1,234.", &English, No, 1234, 1234, No},
        {"1.5e3", &English, No, No, 1500, No},
        {"2E-2", &English, No, No, 0.02, No},
        {"1e-320", &English, No, No, 1e-320, No},
        {"-1e-400", &English, No, No, 0, No},
        {"0.0000001e-99999999999999999999", &English, No, No, 0, No},
        {"1,5", &German, 1.5, 1.5, 1.5, 1.5},
        {"1.5", &German, No, 15, 15, 1.5},
        {"-1.234,5", &German, No, -1234.5, -1234.5, No},
        {"1 234,5", &French, No, 1234.5, 1234.5, No},
        {"1\u00A0234,5", &French, No, 1234.5, 1234.5, No},
        {"1\u202F234,5", &French, No, 1234.5, 1234.5, No},
        {"1 2", &French, No, 12, 12, No},
        {",5", &German, 0.5, No, 0.5, 0.5},
    };
    for (const Row& row : rows) {
        const NumberLocale& locale = *row.locale;
        EXPECT_EQ(ReadNumber(row.text, NumberForm::Entry, locale), row.entry) << row.text;
        EXPECT_EQ(ReadNumber(row.text, NumberForm::Shown, locale), row.shown) << row.text;
        EXPECT_EQ(ReadNumber(row.text, NumberForm::Pasted, locale), row.pasted) << row.text;
        EXPECT_EQ(ReadNumber(row.text, NumberForm::Setting, locale), row.setting) << row.text;
    }
}

TEST(ReadNumber, NoFormReadsThese) {
    // "\0011" is a control character before 1; the NUL in "1\0002"s is part of the text; octal 377
    // and 376 are bytes that are no UTF-8, and "\xe2\x88" is a character cut short.
    using namespace std::string_literals;
    const std::string refused[] = {
        "",    " ",       "-",     "+",       ".",          ",",       "abc", "12a",  "$12",
        "12€", "0x1F",    "inf",   "nan",     "(12)",       "1.2.3",   "--1", "+-1",  "- 1",
        "1e",  "1e+",     "1e999", "-1e400",  "1 2",        ",5",      "e5",  "1.5.", "1.5,2",
        "12-", "-Error-", "\0011", "1\0002"s, "\377\37612", "\xe2\x88"};
    for (const std::string& text : refused) {
        for (NumberForm form :
             {NumberForm::Entry, NumberForm::Shown, NumberForm::Pasted, NumberForm::Setting}) {
            EXPECT_EQ(ReadNumber(text, form, English), No)
                << text << " in form " << static_cast<int>(form);
        }
    }
}

TEST(PlainNumber, KeepsTheDigitsAsWritten) {
    EXPECT_EQ(PlainNumber("1,234.50", NumberForm::Shown, English), "1234.50");
    EXPECT_EQ(PlainNumber("-1.234,50", NumberForm::Shown, German), "-1234.50");
    EXPECT_EQ(PlainNumber("1234", NumberForm::Shown, NumberLocale{".", ""}), "1234");
    EXPECT_EQ(PlainNumber("12.", NumberForm::Shown, English), "12");
    EXPECT_EQ(PlainNumber(" +1,234.5e03 ", NumberForm::Pasted, English), "1234.5e03");
    EXPECT_EQ(PlainNumber("-Error-", NumberForm::Shown, English), No);
}

TEST(ReadNumber, LongPastedTextIsRefusedBeforeReading) {
    EXPECT_EQ(
        ReadNumber(std::string(MaxPastedLength, '1'), NumberForm::Pasted, English).has_value(),
        true);
    EXPECT_EQ(ReadNumber(std::string(MaxPastedLength + 1, '1'), NumberForm::Pasted, English), No);
    EXPECT_EQ(ReadNumber(std::string(10'000'000, ' ') + "5", NumberForm::Pasted, English), No);
    // The other forms have no limit: a long whole number is still a number.
    EXPECT_EQ(ReadNumber(std::string(300, '1'), NumberForm::Shown, English).has_value(), true);
}

}  // namespace
// A typed entry's value is read the quick way; it must be the double nearest the decimal, as
// from_chars reads it, wherever the separator stands and however many digits there are.
TEST(ReadNumber, AnEntryIsTheNearestDouble) {
    std::uint64_t seed = 12345;
    for (int round = 0; round < 5000; ++round) {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        const std::string digits = std::to_string(seed % 1'000'000'000'000'000ULL);
        std::string text = digits.substr(0, 1 + static_cast<std::size_t>(round) % digits.size());
        text.insert(static_cast<std::size_t>(round / 7) % (text.size() + 1), ".");
        double expected = 0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        EXPECT_EQ(ReadNumber(text, NumberForm::Entry, English), expected) << text;
    }
}

}  // namespace reckora
