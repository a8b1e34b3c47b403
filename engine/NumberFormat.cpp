#include "NumberFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>
#include <utility>

#include "Failure.h"
#include "KeyCommand.h"

namespace reckora {
namespace {

// A finite value as sign, integer digits and fraction digits, exact in decimal.
struct DecimalDigits {
    bool negative = false;
    std::string integer;   // at least one digit, no leading zeros beyond one
    std::string fraction;  // may be empty
};

void RequireFinite(double v) {
    if (!std::isfinite(v)) {
        throw Failure(FailureKind::InvalidResult, "not a finite number");
    }
}

// The shortest decimal form that reads back as v.
DecimalDigits ShortestDigits(double v) {
    DecimalDigits out;
    if (std::abs(v) < 1e15 && v == std::trunc(v)) {
        // A whole value (a typed entry, a count, most totals) is exactly its integer's digits;
        // reading them off is much cheaper than the general form, and the entry's caption is
        // made for every digit typed.
        std::array<char, 24> whole{};
        char* end = std::to_chars(whole.data(), whole.data() + whole.size(),
                                  static_cast<std::int64_t>(std::abs(v)))
                        .ptr;
        out.negative = std::signbit(v);
        out.integer.assign(whole.data(), end);
        return out;
    }
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::scientific);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));

    std::size_t pos = 0;
    if (text[pos] == '-') {
        out.negative = true;
        ++pos;
    }
    // "d" or "d.ddd", then the exponent: the digits without the point, in one piece.
    const std::size_t exponentMark = text.find('e');
    std::array<char, 24> digits{};
    std::size_t digitCount = 0;
    for (std::size_t i = pos; i < exponentMark; ++i) {
        if (text[i] != '.') {
            digits[digitCount++] = text[i];
        }
    }
    const std::string_view mantissa(digits.data(), digitCount);
    int exponent = 0;
    std::string_view exponentText = text.substr(exponentMark + 1);
    if (!exponentText.empty() && exponentText.front() == '+') {
        exponentText.remove_prefix(1);
    }
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    // value = 0.mantissa * 10^(exponent + 1)
    const int integerDigits = exponent + 1;
    if (integerDigits <= 0) {
        out.integer = "0";
        out.fraction.assign(static_cast<std::size_t>(-integerDigits), '0').append(mantissa);
    } else if (static_cast<std::size_t>(integerDigits) >= mantissa.size()) {
        out.integer.assign(mantissa).append(
            static_cast<std::size_t>(integerDigits) - mantissa.size(), '0');
    } else {
        out.integer = mantissa.substr(0, static_cast<std::size_t>(integerDigits));
        out.fraction = mantissa.substr(static_cast<std::size_t>(integerDigits));
    }
    return out;
}

// Adds one unit in the last place of a string of decimal digits; returns true on a carry out.
bool IncrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it == '9') {
            *it = '0';
        } else {
            ++*it;
            return false;
        }
    }
    return true;
}

// Cuts the fraction to the given number of decimals, rounding by the tie rule.
DecimalDigits RoundDigits(DecimalDigits d, int decimals, TieRule ties) {
    const auto keep = static_cast<std::size_t>(decimals);
    if (d.fraction.size() <= keep) {
        d.fraction.append(keep - d.fraction.size(), '0');
        return d;
    }
    const std::string rest = d.fraction.substr(keep);
    d.fraction.resize(keep);
    bool up = false;
    if (ties == TieRule::AwayFromZero) {
        up = rest.find_first_not_of('0') != std::string::npos;
    } else if (ties == TieRule::TowardZero) {
        up = false;
    } else if (rest[0] > '5') {
        up = true;
    } else if (rest[0] == '5') {
        const bool beyondHalf = rest.find_first_not_of('0', 1) != std::string::npos;
        if (beyondHalf || ties == TieRule::HalfAwayFromZero) {
            up = true;
        } else {
            const char last = keep > 0 ? d.fraction.back() : d.integer.back();
            up = (last - '0') % 2 == 1;
        }
    }
    if (up && IncrementDigits(d.fraction) && IncrementDigits(d.integer)) {
        d.integer.insert(d.integer.begin(), '1');
    }
    return d;
}

bool IsZero(const DecimalDigits& d) {
    return d.integer.find_first_not_of('0') == std::string::npos &&
           d.fraction.find_first_not_of('0') == std::string::npos;
}

struct Pattern {
    bool grouping = false;
    int minIntegerDigits = 0;
    bool point = false;
    int fixedDecimals = 0;
    int optionalDecimals = 0;
};

Pattern ParsePattern(std::string_view pattern) {
    Pattern p;
    const std::size_t pointAt = pattern.find('.');
    const std::string_view integerPart = pattern.substr(0, pointAt);
    for (char c : integerPart) {
        if (c == ',') {
            p.grouping = true;
        } else if (c == '0') {
            ++p.minIntegerDigits;
        }
    }
    if (pointAt != std::string_view::npos) {
        p.point = true;
        for (char c : pattern.substr(pointAt + 1)) {
            if (c == '0') {
                ++p.fixedDecimals;
            } else if (c == '#') {
                ++p.optionalDecimals;
            }
        }
    }
    return p;
}

// Appends the digits with the separator between groups of three from the right.
void AppendGrouped(std::string& out, std::string_view digits, std::string_view separator) {
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0) {
            out += separator;
        }
        out.push_back(digits[i]);
    }
}

std::string FormatDigits(DecimalDigits d, const Pattern& p, const NumberLocale& locale) {
    d = RoundDigits(std::move(d), p.fixedDecimals + p.optionalDecimals, TieRule::HalfAwayFromZero);

    // Optional decimals are written only where significant.
    std::size_t significant = d.fraction.find_last_not_of('0');
    significant = significant == std::string::npos ? 0 : significant + 1;
    d.fraction.resize(std::max(significant, static_cast<std::size_t>(p.fixedDecimals)));

    // The caption is built in one string: it is made again for every digit typed.
    const std::size_t firstDigit = d.integer.find_first_not_of('0');
    std::string integer;
    const auto minDigits = static_cast<std::size_t>(p.minIntegerDigits);
    const std::size_t digits = firstDigit == std::string::npos ? 0 : d.integer.size() - firstDigit;
    integer.reserve(std::max(digits, minDigits));
    if (digits < minDigits) {
        integer.append(minDigits - digits, '0');
    }
    integer.append(std::string_view(d.integer).substr(d.integer.size() - digits));

    std::string out;
    out.reserve(1 + integer.size() * (1 + locale.groupingSep.size()) + locale.decimalSep.size() +
                d.fraction.size());
    if (d.negative && !IsZero(d)) {
        out += '-';
    }
    AppendGrouped(out, integer, p.grouping ? std::string_view(locale.groupingSep) : "");
    if (p.point) {
        out.append(locale.decimalSep).append(d.fraction);
    }
    return out;
}

// Digits of the value rounded to a whole number, half away from zero; at least 1.
int IntegerDigitsOf(const DecimalDigits& d) {
    const DecimalDigits whole = RoundDigits(d, 0, TieRule::HalfAwayFromZero);
    const std::size_t firstDigit = whole.integer.find_first_not_of('0');
    return firstDigit == std::string::npos ? 1
                                           : static_cast<int>(whole.integer.size() - firstDigit);
}

// The double nearest to an exact decimal form.
double ValueOf(const DecimalDigits& rounded) {
    std::string text = (rounded.negative ? "-" : "") + rounded.integer;
    if (!rounded.fraction.empty()) {
        text += "." + rounded.fraction;
    }
    double out = 0;
    std::from_chars(text.data(), text.data() + text.size(), out);
    return out;
}

}  // namespace

double RoundDecimals(double v, int decimals, TieRule ties) {
    RequireFinite(v);
    return ValueOf(RoundDigits(ShortestDigits(v), decimals, ties));
}

double RoundSignificant(double v, int significant, TieRule ties) {
    RequireFinite(v);
    DecimalDigits d = ShortestDigits(v);
    const std::size_t firstInteger = d.integer.find_first_not_of('0');
    const std::size_t firstFraction = d.fraction.find_first_not_of('0');
    if (firstInteger == std::string::npos && firstFraction == std::string::npos) {
        return v;
    }
    const int decimals = firstInteger != std::string::npos
                             ? significant - static_cast<int>(d.integer.size() - firstInteger)
                             : significant + static_cast<int>(firstFraction);
    if (decimals >= 0) {
        return ValueOf(RoundDigits(std::move(d), decimals, ties));
    }
    // More integer digits than significant ones: round the integer at its tens, hundreds, ...
    const auto cut = static_cast<std::size_t>(-decimals);
    d.fraction = d.integer.substr(d.integer.size() - cut);
    d.integer.resize(d.integer.size() - cut);
    d = RoundDigits(std::move(d), 0, ties);
    d.integer.append(cut, '0');
    return ValueOf(d);
}

std::string FormatPattern(double v, std::string_view pattern, const NumberLocale& locale) {
    RequireFinite(v);
    return FormatDigits(ShortestDigits(v), ParsePattern(pattern), locale);
}

double RoundDecimalsToward(double v, int decimals, RoundingDirection direction) {
    constexpr std::array<TieRule, 4> Rules{TieRule::HalfEven, TieRule::HalfAwayFromZero,
                                           TieRule::AwayFromZero, TieRule::TowardZero};
    if (direction == RoundingDirection::Designed) {
        return RoundDecimals(v, decimals, TieRule::HalfEven);
    }
    const double held = RoundSignificant(v, DisplayCapacity, TieRule::HalfEven);
    return RoundDecimals(held, decimals, Rules[static_cast<std::size_t>(direction)]);
}

int FixedDecimals(RoundingOption option) {
    switch (option) {
        case RoundingOption::Decimals1:
            return 1;
        case RoundingOption::Decimals2:
        case RoundingOption::AutoAdd2:
            return 2;
        case RoundingOption::Decimals3:
            return 3;
        case RoundingOption::Decimals4:
            return 4;
        case RoundingOption::Integer:
        case RoundingOption::FloatingPoint:
            break;
    }
    return 0;
}

std::string FormatNumber(double v, bool noPointIfWhole, bool forceFloat, RoundingOption option,
                         const NumberLocale& locale) {
    RequireFinite(v);
    DecimalDigits digits = ShortestDigits(v);
    const int integerDigits = IntegerDigitsOf(digits);
    const int fixed = FixedDecimals(forceFloat ? RoundingOption::FloatingPoint : option);
    if (fixed + integerDigits > DisplayCapacity) {
        throw Failure(FailureKind::TooManyDigits, "too many digits to show");
    }
    Pattern pattern{.grouping = true, .minIntegerDigits = 1, .point = true};
    if (noPointIfWhole && v == std::floor(v) && fixed == 0) {
        pattern.point = false;  // "#,##0"
    } else {                    // "#,##0." + fixed "0" + the remaining positions as "#"
        pattern.fixedDecimals = fixed;
        pattern.optionalDecimals = DisplayCapacity - integerDigits - fixed;
    }
    return FormatDigits(std::move(digits), pattern, locale);
}

}  // namespace reckora
