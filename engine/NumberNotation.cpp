#include "NumberNotation.h"

#include <array>
#include <charconv>

namespace reckora {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool DigitBefore(std::string_view text, std::size_t at) {
    return at > 0 && IsDigit(text[at - 1]);
}

bool DigitAt(std::string_view text, std::size_t at) {
    return at < text.size() && IsDigit(text[at]);
}

// Writes `text` with each separator of the pair `from` replaced by its partner in `to`, by the
// rules of ToNeutral. Both replacements happen in one pass, so swapping "." and "," works.
std::string Translate(std::string_view text, std::string_view fromDecimal,
                      std::string_view fromGrouping, std::string_view toDecimal,
                      std::string_view toGrouping) {
    std::string out;
    out.reserve(text.size() + 4);
    for (std::size_t at = 0; at < text.size();) {
        const std::string_view rest = text.substr(at);
        if (!fromDecimal.empty() && rest.starts_with(fromDecimal) &&
            (DigitBefore(text, at) || DigitAt(text, at + fromDecimal.size()))) {
            out += toDecimal;
            at += fromDecimal.size();
        } else if (!fromGrouping.empty() && rest.starts_with(fromGrouping) &&
                   DigitBefore(text, at) && DigitAt(text, at + fromGrouping.size())) {
            out += toGrouping;
            at += fromGrouping.size();
        } else {
            out += text[at++];
        }
    }
    return out;
}

}  // namespace

const NumberLocale& NeutralLocale() {
    static const NumberLocale neutral{std::string(NeutralDecimal), std::string(NeutralGrouping)};
    return neutral;
}

std::string ToNeutral(std::string_view shown, const NumberLocale& locale) {
    if (locale.decimalSep == NeutralDecimal && locale.groupingSep == NeutralGrouping) {
        return std::string(shown);
    }
    return Translate(shown, locale.decimalSep, locale.groupingSep, NeutralDecimal, NeutralGrouping);
}

std::string FromNeutral(std::string_view neutral, const NumberLocale& locale) {
    if (locale.decimalSep == NeutralDecimal && locale.groupingSep == NeutralGrouping) {
        return std::string(neutral);
    }
    return Translate(neutral, NeutralDecimal, NeutralGrouping, locale.decimalSep,
                     locale.groupingSep);
}

std::string ValueText(double value) {
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return error == std::errc{} ? std::string(buffer.data(), end) : std::string("0");
}

}  // namespace reckora
