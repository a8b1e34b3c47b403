#include "NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Failure.h"

namespace reckora {
namespace {

const NumberLocale English{".", ","};
const NumberLocale German{",", "."};

struct RoundCase {
    double value;
    int decimals;
    TieRule ties;
    double expected;
};

TEST(RoundDecimals, TiesAndShortestDecimalForm) {
    const RoundCase cases[] = {
        {2.5, 0, TieRule::HalfEven, 2},
        {3.5, 0, TieRule::HalfEven, 4},
        {-2.5, 0, TieRule::HalfEven, -2},
        {0.125, 2, TieRule::HalfEven, 0.12},
        {2.675, 2, TieRule::HalfEven, 2.68},
        {1.005, 2, TieRule::HalfEven, 1.00},
        {0.125, 2, TieRule::HalfAwayFromZero, 0.13},
        {-0.125, 2, TieRule::HalfAwayFromZero, -0.13},
        {9.995, 2, TieRule::HalfEven, 10.0},
        {1e300, 2, TieRule::HalfEven, 1e300},
        {1.23456789, 4, TieRule::HalfEven, 1.2346},
        {0.30000000000000004, 2, TieRule::HalfEven, 0.3},
        {5e-324, 2, TieRule::HalfEven, 0},
    };
    for (const RoundCase& c : cases) {
        EXPECT_EQ(RoundDecimals(c.value, c.decimals, c.ties), c.expected)
            << c.value << " at " << c.decimals;
    }
}

TEST(RoundDecimals, OnlyInfinitiesAndNaNFail) {
    EXPECT_THROW(RoundDecimals(std::numeric_limits<double>::infinity(), 2, TieRule::HalfEven),
                 Failure);
    EXPECT_THROW(RoundDecimals(std::nan(""), 0, TieRule::HalfEven), Failure);
    EXPECT_NO_THROW(RoundDecimals(std::numeric_limits<double>::max(), 4, TieRule::HalfEven));
}

struct PatternCase {
    double value;
    const char* pattern;
    const char* english;
    const char* german;
};

TEST(FormatPattern, PatternsOfTheDisplayTapeAndMemory) {
    const PatternCase cases[] = {
        {1234, "#,##0.", "1,234.", "1.234,"},
        {1234, "#,##0", "1,234", "1.234"},
        {0.125, "#,##0.00", "0.13", "0,13"},
        {2.675, "#,##0.00", "2.68", "2,68"},
        {0.5, "#0.", "1.", "1,"},
        {0.4, "#0.", "0.", "0,"},
        {1234567.5, "#,##0.0", "1,234,567.5", "1.234.567,5"},
        {-1234.5, "#,##0.00", "-1,234.50", "-1.234,50"},
        {-0.001, "#,##0.00", "0.00", "0,00"},
        {-0.0, "#,##0.", "0.", "0,"},
        {0.25, "#,##0.##############", "0.25", "0,25"},
        {123, "#,##0.000", "123.000", "123,000"},
        {999.9996, "#,##0.000", "1,000.000", "1.000,000"},
        {100, "#,##0", "100", "100"},
        {-1000000, "#,##0.0", "-1,000,000.0", "-1.000.000,0"},
        {123456789123456, "#,##0.", "123,456,789,123,456.", "123.456.789.123.456,"},
    };
    for (const PatternCase& c : cases) {
        EXPECT_EQ(FormatPattern(c.value, c.pattern, English), c.english) << c.pattern;
        EXPECT_EQ(FormatPattern(c.value, c.pattern, German), c.german) << c.pattern;
    }
}

struct FormatCase {
    double value;
    bool noPointIfWhole;
    bool forceFloat;
    RoundingOption option;
    const char* expected;  // nullptr: not finite, or does not fit
    const NumberLocale* locale = &English;
};

TEST(FormatNumber, OptionsCapacityAndUses) {
    using enum RoundingOption;
    const FormatCase cases[] = {
        // Display of results.
        {7, false, false, FloatingPoint, "7."},
        {0.25, false, false, FloatingPoint, "0.25"},
        {1234, false, false, Decimals2, "1,234.00"},
        {1.0 / 3, false, false, Decimals2, "0.33333333333333"},
        {0.1 + 0.2, false, false, FloatingPoint, "0.3"},
        {2, false, false, Integer, "2."},
        {12.5, false, false, AutoAdd2, "12.50"},
        {-12.5, false, false, Decimals4, "-12.5000"},
        // Tape lines: whole values carry no separator under Integer and Floating Point.
        {7, true, false, FloatingPoint, "7"},
        {7, true, false, Integer, "7"},
        {7, true, false, Decimals2, "7.00"},
        {7.5, true, false, FloatingPoint, "7.5"},
        {-3, true, false, FloatingPoint, "-3"},
        // The memory label is always laid out as Floating Point.
        {12, false, true, Decimals2, "12."},
        {0, false, true, Decimals4, "0."},
        // Capacity: integer digits plus fixed decimals at most 15.
        {1234567890123.0, false, false, Decimals2, "1,234,567,890,123.00"},
        {12345678901234.0, false, false, Decimals2, nullptr},
        {12345678901234.0, false, false, FloatingPoint, "12,345,678,901,234."},
        {123456789012345.0, false, false, FloatingPoint, "123,456,789,012,345."},
        {1234567890123456.0, false, false, FloatingPoint, nullptr},
        {123456789012345.0, false, false, AutoAdd2, nullptr},
        {99999999999999.5, false, false, Integer, "100,000,000,000,000."},
        {999999999999999.5, false, false, Integer, nullptr},
        {std::numeric_limits<double>::infinity(), false, false, FloatingPoint, nullptr},
        {std::nan(""), true, false, FloatingPoint, nullptr},
        // A comma decimal locale.
        {1234.5, false, false, Decimals2, "1.234,50", &German},
        {42, true, false, FloatingPoint, "42", &German},
        {42, false, false, FloatingPoint, "42,", &German},
    };
    for (const FormatCase& c : cases) {
        if (c.expected == nullptr) {
            EXPECT_THROW(FormatNumber(c.value, c.noPointIfWhole, c.forceFloat, c.option, *c.locale),
                         Failure)
                << c.value << " option " << OptionIndex(c.option);
        } else {
            EXPECT_EQ(FormatNumber(c.value, c.noPointIfWhole, c.forceFloat, c.option, *c.locale),
                      c.expected)
                << c.value << " option " << OptionIndex(c.option);
        }
    }
}

}  // namespace
}  // namespace reckora
