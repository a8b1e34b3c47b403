#pragma once
// The texts of the settings store: Booleans as True/False, numbers as decimal text in the user's
// locale, and their conversions back. A text that does not convert gives no value, so that the
// caller can fall back to the key's missing-key value.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace reckora {

std::string BooleanText(bool value);

// "True" or "False" in any letter case, or a number: 0 is false, any other number true.
std::optional<bool> ParseBoolean(std::string_view text, std::string_view decimalSep);

// A number as NumberForm::Setting reads it with the locale's decimal separator, rounded half to
// even, if the result fits into [minimum, maximum].
std::optional<std::int32_t> ParseWholeNumber(std::string_view text, std::string_view decimalSep,
                                             std::int32_t minimum, std::int32_t maximum);

// A value as the shortest decimal text that reads back to it, with a full stop and no exponent
// ("19", "7.5"): the same in every locale.
std::string PlainDecimalText(double value);

// A single-precision value as decimal text: a whole number without separator, otherwise up to
// seven significant digits with the locale's decimal separator.
std::string NumberText(float value, std::string_view decimalSep);

}  // namespace reckora
