// A column copied from a spreadsheet reads as the entries Paste Column adds: money forms become
// plain signed numbers in the user's separators, and what is not clearly one number is left out.

#include <gtest/gtest.h>

#include "ColumnCell.h"

namespace reckora {
namespace {

TEST(ColumnCell, SpreadsheetMoneyReadsAsSignedEntries) {
    const NumberLocale english{".", ","};
    const NumberLocale german{",", "."};
    struct Case {
        const char* cell;
        NumberLocale locale;
        std::optional<std::string> entry;
    };
    const Case cases[] = {
        // What a paste accepts stays as it is.
        {"  -2 ", english, "-2"},
        {"1,000", english, "1,000"},
        // Accounting negatives, currency signs on either side, a trailing minus.
        {"(1,234.00)", english, "-1,234.00"},
        {"$19.99", english, "19.99"},
        {"19,99 \u20AC", german, "19,99"},
        {"\u20AC\u00A01.234,50", german, "1.234,50"},
        {"12.50-", english, "-12.50"},
        {"($1,234.00)", english, "-1,234.00"},
        {"-$5.00", english, "-5.00"},
        {"$-5.00", english, "-5.00"},
        {"\u00A3 7 -", english, "-7"},
        {"(0.00)", english, "0.00"},
        // Two marks of a negative, a sign alone, words, and two numbers are no number.
        {"(-5)", english, std::nullopt},
        {"5--", english, std::nullopt},
        {"-5-", english, std::nullopt},
        {"$", english, std::nullopt},
        {"()", english, std::nullopt},
        {"$$5", english, std::nullopt},
        {"USD 5", english, std::nullopt},
        {"5 $ 6", english, std::nullopt},
        {"(5", english, std::nullopt},
        {"Total", english, std::nullopt},
    };
    for (const Case& each : cases) {
        EXPECT_EQ(ColumnCellEntry(each.cell, each.locale), each.entry) << each.cell;
    }
}

}  // namespace
}  // namespace reckora
