#pragma once
// The one reader of numbers written with a locale's separators: the typed entry, amounts as the
// tape shows them, text pasted or typed into a box, and numbers in the settings store. Each
// source has its own grammar over the same separators; all of them read to the same value.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "NumberLocale.h"

namespace reckora {

// Where a text comes from, which decides what it may contain besides digits:
//   Entry    the entry as typed: digits with at most one decimal separator ("12.", ".5");
//   Shown    an amount as the program shows it: "-", digits with grouping separators between
//            them, a decimal separator after a digit ("-1,234.50");
//   Pasted   what a person pastes or types into a box: surrounding white space, one sign
//            (+, -, U+2212), grouping separators between the integer digits, a decimal separator,
//            an exponent ("  -1,234.5e3 "); at most MaxPastedLength bytes;
//   Setting  a number in the settings store: surrounding blanks and tabs, "+" or "-", the
//            locale's decimal separator or a full stop; no grouping, no exponent.
// A grouping separator that is a space stands for any of the three spaces written between digit
// groups (space, no-break space, narrow no-break space).
enum class NumberForm { Entry, Shown, Pasted, Setting };

// Longest pasted text that is looked at; longer texts are refused before reading.
inline constexpr std::size_t MaxPastedLength = 256;

// The number `text` writes in `form`, or nothing when it writes none. A value too large for a
// double is no number; one too small for a double is zero, as arithmetic makes it.
std::optional<double> ReadNumber(std::string_view text, NumberForm form,
                                 const NumberLocale& locale);

// The same number as a plain decimal text, digit for digit as written: an optional "-", digits,
// "." with the fraction's digits when there is one, "e" with the exponent when there is one; no
// grouping, no "+", no trailing ".". "-1.234,50" read in German gives "-1234.50".
std::optional<std::string> PlainNumber(std::string_view text, NumberForm form,
                                       const NumberLocale& locale);

}  // namespace reckora
