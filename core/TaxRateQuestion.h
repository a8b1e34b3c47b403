#pragma once
// Options, Tax Rate…: the dialog's texts, and the rate read from what the user typed, or why it
// is no rate.

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "NumberLocale.h"
#include "UserText.h"

namespace reckora {

inline constexpr char TaxRateTitle[] = RECKORA_USER_TEXT("Tax Rate");
inline constexpr char TaxRatePrompt[] =
    RECKORA_USER_TEXT("The tax rate in percent that Tax+ and Tax− use (0 turns them off):");
inline constexpr char TaxRateNotNumberText[] = RECKORA_USER_TEXT(
    "Not a tax rate. Type a number of percent, such as 19 or 7.5 with your decimal separator.");
inline constexpr char TaxRateNegativeText[] =
    RECKORA_USER_TEXT("A tax rate cannot be negative. Type 0 to turn the tax keys off.");

// The rate in percent, or the marked text that says why the text is none. Blanks around it and a
// percent sign after it are allowed; the decimal separator is the locale's (or a full stop).
std::variant<double, const char*> ReadTaxRate(std::string_view text, const NumberLocale& locale);

// The rate as the dialog offers it to be changed: with the locale's decimal separator.
std::string TaxRateShown(double percent, const NumberLocale& locale);

}  // namespace reckora
