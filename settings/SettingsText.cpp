#include "SettingsText.h"

#include <charconv>
#include <cmath>

#include "NumberFormat.h"
#include "NumberParse.h"

namespace reckora {

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool EqualsIgnoringCase(std::string_view text, std::string_view word) {
    if (text.size() != word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char a =
            text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
        const char b =
            word[i] >= 'A' && word[i] <= 'Z' ? static_cast<char>(word[i] - 'A' + 'a') : word[i];
        if (a != b) {
            return false;
        }
    }
    return true;
}

// The store's numbers are written with the locale's decimal separator and never grouped.
std::optional<double> SettingNumber(std::string_view text, std::string_view decimalSep) {
    return ReadNumber(text, NumberForm::Setting, NumberLocale{std::string(decimalSep), ""});
}

}  // namespace

std::string BooleanText(bool value) {
    return value ? "True" : "False";
}

std::optional<bool> ParseBoolean(std::string_view text, std::string_view decimalSep) {
    const std::string_view word = Trimmed(text);
    if (EqualsIgnoringCase(word, "True")) {
        return true;
    }
    if (EqualsIgnoringCase(word, "False")) {
        return false;
    }
    if (const std::optional<double> number = SettingNumber(word, decimalSep)) {
        return *number != 0.0;
    }
    return std::nullopt;
}

std::optional<std::int32_t> ParseWholeNumber(std::string_view text, std::string_view decimalSep,
                                             std::int32_t minimum, std::int32_t maximum) {
    const std::optional<double> value = SettingNumber(text, decimalSep);
    if (!value) {
        return std::nullopt;
    }
    const double rounded = RoundDecimals(*value, 0, TieRule::HalfEven);
    if (rounded < minimum || rounded > maximum) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(rounded);
}

std::string PlainDecimalText(double value) {
    char buffer[400];  // the largest double written out in full
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

std::string NumberText(float value, std::string_view decimalSep) {
    // to_chars, unlike printf, does not follow the C locale the toolkit may have switched to.
    char buffer[64];
    const double number = value;
    const bool whole =
        std::isfinite(number) && number == std::trunc(number) && std::fabs(number) < 1e15;
    const auto result =
        whole
            ? std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::fixed, 0)
            : std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::general, 7);
    std::string text(buffer, result.ptr);
    if (const auto point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, decimalSep);
    }
    return text;
}

}  // namespace reckora
