#include "ColumnCell.h"

#include <array>

#include "NumberParse.h"

namespace reckora {
namespace {

constexpr std::array<std::string_view, 4> BlankTexts = {" ", "\t", "\u00A0", "\u202F"};
constexpr std::array<std::string_view, 2> MinusSigns = {"-", "\u2212"};
constexpr std::array<std::string_view, 14> CurrencySigns = {
    "$",      "\u20AC", "\u00A3", "\u00A5", "\u20B9", "\u20BD", "\u20A9",
    "\u20BA", "\u20AA", "\u20B4", "\u20A6", "\u20B1", "\u0E3F", "\u00A2"};

template <std::size_t N>
bool TakeFront(std::string_view& text, const std::array<std::string_view, N>& choices) {
    for (std::string_view choice : choices) {
        if (text.starts_with(choice)) {
            text.remove_prefix(choice.size());
            return true;
        }
    }
    return false;
}

template <std::size_t N>
bool TakeBack(std::string_view& text, const std::array<std::string_view, N>& choices) {
    for (std::string_view choice : choices) {
        if (text.ends_with(choice)) {
            text.remove_suffix(choice.size());
            return true;
        }
    }
    return false;
}

std::string_view Trimmed(std::string_view text) {
    while (TakeFront(text, BlankTexts) || TakeBack(text, BlankTexts)) {
    }
    return text;
}

// Each decoration takes itself off the text when it is there and says whether it negates.
using TakeDecoration = std::optional<bool> (*)(std::string_view& text);

std::optional<bool> TakeParentheses(std::string_view& text) {
    if (text.size() < 2 || !text.starts_with('(') || !text.ends_with(')')) {
        return std::nullopt;
    }
    text = text.substr(1, text.size() - 2);
    return true;
}

std::optional<bool> TakeCurrency(std::string_view& text) {
    if (TakeFront(text, CurrencySigns) || TakeBack(text, CurrencySigns)) {
        return false;
    }
    return std::nullopt;
}

std::optional<bool> TakeLeadingSign(std::string_view& text) {
    if (TakeFront(text, MinusSigns)) {
        return true;
    }
    if (text.starts_with('+')) {
        text.remove_prefix(1);
        return false;
    }
    return std::nullopt;
}

std::optional<bool> TakeTrailingMinus(std::string_view& text) {
    return TakeBack(text, MinusSigns) ? std::optional<bool>(true) : std::nullopt;
}

constexpr std::array<TakeDecoration, 4> MoneyDecorations = {TakeParentheses, TakeCurrency,
                                                            TakeLeadingSign, TakeTrailingMinus};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<std::string> ColumnCellEntry(std::string_view cell, const NumberLocale& locale) {
    const std::string_view trimmed = Trimmed(cell);
    if (ReadNumber(trimmed, NumberForm::Pasted, locale)) {
        return std::string(trimmed);
    }
    // Decorations come off from the outside in, in whatever order the cell has them, each once.
    std::string_view number = trimmed;
    std::array<bool, MoneyDecorations.size()> taken{};
    int negatives = 0;
    for (bool peeled = true; peeled;) {
        peeled = false;
        for (std::size_t i = 0; i < MoneyDecorations.size() && !peeled; ++i) {
            if (taken[i]) {
                continue;
            }
            if (const std::optional<bool> negates = MoneyDecorations[i](number)) {
                taken[i] = peeled = true;
                negatives += *negates ? 1 : 0;
                number = Trimmed(number);
            }
        }
    }
    const bool plainStart =
        !number.empty() && (IsDigit(number.front()) || number.starts_with(locale.decimalSep));
    const std::optional<double> value =
        plainStart ? ReadNumber(number, NumberForm::Pasted, locale) : std::nullopt;
    if (negatives > 1 || !value) {
        return std::nullopt;
    }
    return (negatives == 1 && *value != 0 ? "-" : "") + std::string(number);
}

}  // namespace reckora
