#pragma once
// Reading numbers in the user's locale: the typed entry and text pasted from the clipboard.

#include <cstddef>
#include <optional>
#include <string_view>

#include "NumberLocale.h"

namespace reckora {

// The entry text: decimal digits with at most one decimal separator (a trailing one allowed).
// Anything else, a second separator included, does not parse.
std::optional<double> ParseEntryText(std::string_view text, const NumberLocale& locale);

// Longest clipboard text that is looked at; longer texts are refused before parsing.
inline constexpr std::size_t MaxPastedLength = 256;

// Text pasted from the clipboard: surrounding white space, one optional sign (+, -, U+2212),
// digits with grouping separators in the integer part, an optional decimal separator with
// digits, an optional exponent. Anything else, and a value that overflows, does not parse; a value
// too small for a double is zero.
std::optional<double> ParsePastedNumber(std::string_view text, const NumberLocale& locale);

}  // namespace reckora
