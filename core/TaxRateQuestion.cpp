#include "TaxRateQuestion.h"

#include "NumberParse.h"
#include "SettingsText.h"

namespace reckora {

std::variant<double, const char*> ReadTaxRate(std::string_view text, const NumberLocale& locale) {
    const std::size_t end = text.find_last_not_of(" \t");
    if (end != std::string_view::npos && text[end] == '%') {
        text = text.substr(0, end);
    }
    const std::optional<double> rate =
        ReadNumber(text, NumberForm::Setting, NumberLocale{locale.decimalSep, ""});
    if (!rate) {
        return TaxRateNotNumberText;
    }
    if (*rate < 0) {
        return TaxRateNegativeText;
    }
    return *rate + 0.0;  // -0 is 0
}

std::string TaxRateShown(double percent, const NumberLocale& locale) {
    std::string text = PlainDecimalText(percent);
    if (const std::size_t point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, locale.decimalSep);
    }
    return text;
}

}  // namespace reckora
