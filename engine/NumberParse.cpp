#include "NumberParse.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace reckora {
namespace {

constexpr std::string_view NoBreakSpace = "\u00A0";
constexpr std::string_view NarrowNoBreakSpace = "\u202F";
constexpr std::string_view MinusSign = "\u2212";

constexpr std::array<std::string_view, 6> WhiteSpace = {" ",  "\t",         "\r",
                                                        "\n", NoBreakSpace, NarrowNoBreakSpace};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool ConsumePrefix(std::string_view& text, std::string_view prefix) {
    if (!prefix.empty() && text.starts_with(prefix)) {
        text.remove_prefix(prefix.size());
        return true;
    }
    return false;
}

std::string_view TrimWhiteSpace(std::string_view text) {
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (std::string_view space : WhiteSpace) {
            if (text.starts_with(space)) {
                text.remove_prefix(space.size());
                trimmed = true;
            }
            if (text.ends_with(space)) {
                text.remove_suffix(space.size());
                trimmed = true;
            }
        }
    }
    return text;
}

bool IsSpaceLike(std::string_view separator) {
    return separator == " " || separator == NoBreakSpace || separator == NarrowNoBreakSpace;
}

// Consumes one grouping separator of the locale; a space-like locale separator accepts any of
// the three spaces people and programs write between digit groups.
bool ConsumeGrouping(std::string_view& text, const NumberLocale& locale) {
    if (IsSpaceLike(locale.GroupingSep)) {
        return ConsumePrefix(text, " ") || ConsumePrefix(text, NoBreakSpace) ||
               ConsumePrefix(text, NarrowNoBreakSpace);
    }
    return ConsumePrefix(text, locale.GroupingSep);
}

// The power of ten of the first significant digit of a plain decimal form (optional '-', digits
// with at most one '.', an optional exponent); it tells an underflow from an overflow when the
// value is out of a double's range. The exponent saturates, so no text can overflow the count.
long long LeadingPowerOfTen(std::string_view plain) {
    const std::size_t exponentAt = plain.find('e');
    std::string_view mantissa = plain.substr(0, exponentAt);
    if (mantissa.starts_with('-')) {
        mantissa.remove_prefix(1);
    }
    long long power = 0;
    const std::size_t point = mantissa.find('.');
    const long long integerDigits =
        static_cast<long long>(point == std::string_view::npos ? mantissa.size() : point);
    long long position = 0;
    for (char c : mantissa) {
        if (c == '.') {
            continue;
        }
        if (c != '0') {
            power = integerDigits - position - 1;
            break;
        }
        ++position;
    }
    if (exponentAt != std::string_view::npos) {
        std::string_view exponent = plain.substr(exponentAt + 1);
        const bool negative = exponent.starts_with('-');
        if (negative || exponent.starts_with('+')) {
            exponent.remove_prefix(1);
        }
        long long value = 0;
        for (char c : exponent) {
            value = std::min(value * 10 + (c - '0'), 1'000'000'000LL);
        }
        power += negative ? -value : value;
    }
    return power;
}

std::optional<double> ToDouble(const std::string& plain) {
    double value = 0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ptr != plain.data() + plain.size()) {
        return std::nullopt;
    }
    // Too small for a double rounds to zero, as arithmetic does; too large is refused.
    if (result.ec == std::errc::result_out_of_range && LeadingPowerOfTen(plain) < 0) {
        return plain.starts_with('-') ? -0.0 : 0.0;
    }
    if (result.ec != std::errc() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// The value of "digits[.digits]" with at most 15 digits, the length of every typed entry: the
// digits read as an integer and divided by the power of ten of the decimals. Both are exact in a
// double, so the division rounds once, to the double nearest the decimal, which is what
// from_chars gives, at a small part of its cost on a key pressed for every digit.
std::optional<double> ShortDecimalValue(std::string_view plain) {
    constexpr std::array<double, 16> kPowersOfTen = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                     1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::int64_t digits = 0;
    std::size_t count = 0;
    std::size_t decimals = 0;
    bool point = false;
    for (const char c : plain) {
        if (c == '.') {
            point = true;
            continue;
        }
        if (++count > 15) {
            return std::nullopt;
        }
        digits = digits * 10 + (c - '0');
        decimals += point ? 1 : 0;
    }
    return static_cast<double>(digits) / kPowersOfTen[decimals];
}

}  // namespace

std::optional<double> ParseEntryText(std::string_view text, const NumberLocale& locale) {
    std::string plain;
    bool separatorSeen = false;
    bool digitSeen = false;
    while (!text.empty()) {
        if (IsDigit(text.front())) {
            plain.push_back(text.front());
            text.remove_prefix(1);
            digitSeen = true;
        } else if (!separatorSeen && ConsumePrefix(text, locale.DecimalSep)) {
            plain.push_back('.');
            separatorSeen = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digitSeen) {
        return std::nullopt;
    }
    if (plain.back() == '.') {
        plain.pop_back();
    }
    if (const std::optional<double> value = ShortDecimalValue(plain)) {
        return value;
    }
    return ToDouble(plain);
}

std::optional<double> ParsePastedNumber(std::string_view text, const NumberLocale& locale) {
    if (text.size() > MaxPastedLength) {
        return std::nullopt;
    }
    text = TrimWhiteSpace(text);

    std::string plain;
    if (ConsumePrefix(text, "-") || ConsumePrefix(text, MinusSign)) {
        plain.push_back('-');
    } else {
        ConsumePrefix(text, "+");
    }

    bool mantissaDigit = false;
    // Integer part: digits, with grouping separators between them.
    while (!text.empty()) {
        if (IsDigit(text.front())) {
            plain.push_back(text.front());
            text.remove_prefix(1);
            mantissaDigit = true;
        } else if (!mantissaDigit || !ConsumeGrouping(text, locale)) {
            break;
        }
    }
    if (ConsumePrefix(text, locale.DecimalSep)) {
        plain.push_back('.');
        while (!text.empty() && IsDigit(text.front())) {
            plain.push_back(text.front());
            text.remove_prefix(1);
            mantissaDigit = true;
        }
    }
    if (!mantissaDigit) {
        return std::nullopt;
    }
    if (!text.empty() && (text.front() == 'e' || text.front() == 'E')) {
        text.remove_prefix(1);
        plain.push_back('e');
        if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
            plain.push_back(text.front());
            text.remove_prefix(1);
        }
        if (text.empty() || !IsDigit(text.front())) {
            return std::nullopt;
        }
        while (!text.empty() && IsDigit(text.front())) {
            plain.push_back(text.front());
            text.remove_prefix(1);
        }
    }
    if (!text.empty()) {
        return std::nullopt;
    }
    if (plain.back() == '.') {
        plain.pop_back();
    }
    return ToDouble(plain);
}

}  // namespace reckora
