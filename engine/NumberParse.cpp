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
constexpr std::array<std::string_view, 3> Spaces = {" ", NoBreakSpace, NarrowNoBreakSpace};

// What may stand around the number.
enum class Blanks { None, SpacesAndTabs, AnyWhiteSpace };

// What a form accepts besides digits.
struct Grammar {
    std::size_t longest = 0;  // longer texts are refused unread; 0 for any length
    Blanks blanks = Blanks::None;
    bool minus = false;      // "-"
    bool minusSign = false;  // U+2212
    bool plus = false;
    bool grouping = false;        // the locale's grouping separator after an integer digit
    bool fullStop = false;        // "." as a decimal separator besides the locale's
    bool leadingDecimal = false;  // a decimal separator before any digit (".5")
    bool exponent = false;        // "e" or "E", an optional sign, digits
};

// One per NumberForm, in its order.
constexpr std::array<Grammar, 4> Grammars = {
    Grammar{.leadingDecimal = true},           // Entry
    Grammar{.minus = true, .grouping = true},  // Shown
    Grammar{.longest = MaxPastedLength,
            .blanks = Blanks::AnyWhiteSpace,
            .minus = true,
            .minusSign = true,
            .plus = true,
            .grouping = true,
            .leadingDecimal = true,
            .exponent = true},  // Pasted
    Grammar{.blanks = Blanks::SpacesAndTabs,
            .minus = true,
            .plus = true,
            .fullStop = true,
            .leadingDecimal = true},  // Setting
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool ConsumePrefix(std::string_view& text, std::string_view prefix) {
    // Most separators are one byte; comparing that byte spares a call to memcmp per separator.
    if (prefix.size() == 1 ? text.starts_with(prefix.front())
                           : !prefix.empty() && text.starts_with(prefix)) {
        text.remove_prefix(prefix.size());
        return true;
    }
    return false;
}

template <std::size_t N>
std::string_view Trimmed(std::string_view text, const std::array<std::string_view, N>& blanks) {
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (std::string_view blank : blanks) {
            if (text.starts_with(blank)) {
                text.remove_prefix(blank.size());
                trimmed = true;
            }
            if (text.ends_with(blank)) {
                text.remove_suffix(blank.size());
                trimmed = true;
            }
        }
    }
    return text;
}

std::string_view Trimmed(std::string_view text, Blanks blanks) {
    switch (blanks) {
        case Blanks::None:
            return text;
        case Blanks::SpacesAndTabs:
            return Trimmed(text, std::array<std::string_view, 2>{" ", "\t"});
        case Blanks::AnyWhiteSpace:
            return Trimmed(text, WhiteSpace);
    }
    return text;
}

// Consumes one grouping separator of the locale; a space-like locale separator accepts any of
// the three spaces people and programs write between digit groups.
bool ConsumeGrouping(std::string_view& text, const NumberLocale& locale) {
    if (ConsumePrefix(text, locale.groupingSep)) {
        return true;
    }
    const auto space = std::find_if(Spaces.begin(), Spaces.end(), [text](std::string_view each) {
        return text.starts_with(each);
    });
    return space != Spaces.end() &&
           std::find(Spaces.begin(), Spaces.end(), locale.groupingSep) != Spaces.end() &&
           ConsumePrefix(text, *space);
}

// Copies the digits at the front of `text` to `plain`; says whether there was one.
bool ConsumeDigits(std::string_view& text, char*& plain) {
    std::size_t count = 0;
    for (; count < text.size() && IsDigit(text[count]); ++count) {
        plain[count] = text[count];
    }
    plain += count;
    text.remove_prefix(count);
    return count != 0;
}

// Writes the plain decimal form of `text` read by `grammar` into `plain`, which has room for
// text.size() characters: no text is longer in plain form than as written. The length limit is
// the caller's, so that a long text is refused before room is made for it.
// Returns the plain form's length, or nothing when the text is no number of the grammar. Made
// once per form, so that what a form does not accept costs it nothing.
template <NumberForm form>
std::optional<std::size_t> Scan(std::string_view text, const NumberLocale& locale,
                                char* const plain) {
    constexpr Grammar grammar = Grammars[static_cast<std::size_t>(form)];
    text = Trimmed(text, grammar.blanks);
    char* out = plain;
    if ((grammar.minus && ConsumePrefix(text, "-")) ||
        (grammar.minusSign && ConsumePrefix(text, MinusSign))) {
        *out++ = '-';
    } else if (grammar.plus) {
        ConsumePrefix(text, "+");
    }
    bool digit = false;
    // The integer part: digits, with grouping separators after them where the grammar has them.
    while (ConsumeDigits(text, out)) {
        digit = true;
        if (!grammar.grouping) {
            break;
        }
        while (ConsumeGrouping(text, locale)) {
        }
    }
    if ((digit || grammar.leadingDecimal) && (ConsumePrefix(text, locale.decimalSep) ||
                                              (grammar.fullStop && ConsumePrefix(text, ".")))) {
        *out++ = '.';
        digit = ConsumeDigits(text, out) || digit;
    }
    if (!digit) {
        return std::nullopt;
    }
    if (grammar.exponent && (text.starts_with('e') || text.starts_with('E'))) {
        text.remove_prefix(1);
        *out++ = 'e';
        if (text.starts_with('+') || text.starts_with('-')) {
            *out++ = text.front();
            text.remove_prefix(1);
        }
        if (!ConsumeDigits(text, out)) {
            return std::nullopt;
        }
    }
    if (!text.empty()) {
        return std::nullopt;
    }
    if (out[-1] == '.') {
        --out;  // a whole number written with its decimal separator
    }
    return static_cast<std::size_t>(out - plain);
}

// The power of ten of the first significant digit of a plain decimal form; it tells an underflow
// from an overflow when the value is out of a double's range. The exponent saturates, so no text
// can overflow the count.
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

// The value of "digits[.digits]" with at most 15 digits, the length of every typed entry: the
// digits read as an integer and divided by the power of ten of the decimals. Both are exact in a
// double, so the division rounds once, to the double nearest the decimal, which is what
// from_chars gives, at a small part of its cost on a key pressed for every digit. Nothing for any
// other text.
std::optional<double> ShortDecimalValue(std::string_view plain) {
    constexpr std::array<double, 16> PowersOfTen = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                    1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::int64_t digits = 0;
    std::size_t count = 0;
    std::size_t decimals = 0;
    bool point = false;
    for (const char c : plain) {
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9' || ++count > 15) {
            return std::nullopt;
        }
        digits = digits * 10 + (c - '0');
        decimals += point ? 1 : 0;
    }
    if (count == 0) {
        return std::nullopt;
    }
    return static_cast<double>(digits) / PowersOfTen[decimals];
}

std::optional<double> ToDouble(std::string_view plain) {
    if (const std::optional<double> value = ShortDecimalValue(plain)) {
        return value;
    }
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

template <NumberForm form>
bool TooLong(std::string_view text) {
    constexpr std::size_t longest = Grammars[static_cast<std::size_t>(form)].longest;
    return longest != 0 && text.size() > longest;
}

// The plain form of a text too long for the stack, apart so that short texts make no string.
template <NumberForm form>
std::optional<double> ReadLong(std::string_view text, const NumberLocale& locale) {
    std::string plain(text.size(), '\0');
    const std::optional<std::size_t> length = Scan<form>(text, locale, plain.data());
    return length ? ToDouble(std::string_view(plain.data(), *length)) : std::nullopt;
}

template <NumberForm form>
std::optional<double> Read(std::string_view text, const NumberLocale& locale) {
    if (TooLong<form>(text)) {
        return std::nullopt;
    }
    // Amounts and entries fit a buffer on the stack; Find reads a million of them.
    std::array<char, 64> plain;
    if (text.size() > plain.size()) {
        return ReadLong<form>(text, locale);
    }
    const std::optional<std::size_t> length = Scan<form>(text, locale, plain.data());
    return length ? ToDouble(std::string_view(plain.data(), *length)) : std::nullopt;
}

template <NumberForm form>
std::optional<std::string> Plain(std::string_view text, const NumberLocale& locale) {
    if (TooLong<form>(text)) {
        return std::nullopt;
    }
    std::string plain(text.size(), '\0');
    const std::optional<std::size_t> length = Scan<form>(text, locale, plain.data());
    if (!length) {
        return std::nullopt;
    }
    plain.resize(*length);
    return plain;
}

using Reader = std::optional<double> (*)(std::string_view, const NumberLocale&);
using PlainReader = std::optional<std::string> (*)(std::string_view, const NumberLocale&);

constexpr std::array<Reader, Grammars.size()> Readers = {
    Read<NumberForm::Entry>, Read<NumberForm::Shown>, Read<NumberForm::Pasted>,
    Read<NumberForm::Setting>};
constexpr std::array<PlainReader, Grammars.size()> PlainReaders = {
    Plain<NumberForm::Entry>, Plain<NumberForm::Shown>, Plain<NumberForm::Pasted>,
    Plain<NumberForm::Setting>};

}  // namespace

std::optional<double> ReadNumber(std::string_view text, NumberForm form,
                                 const NumberLocale& locale) {
    return Readers[static_cast<std::size_t>(form)](text, locale);
}

std::optional<std::string> PlainNumber(std::string_view text, NumberForm form,
                                       const NumberLocale& locale) {
    return PlainReaders[static_cast<std::size_t>(form)](text, locale);
}

}  // namespace reckora
