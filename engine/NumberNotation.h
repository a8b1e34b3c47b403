#pragma once
// The one notation in which kept and exported numbers are written, whatever the user's locale:
// "." before the decimals, "," between groups of thousands, "-" for a minus. A number shown in the
// user's locale goes over into it character for character and comes back the same, so what was
// shown is what comes back, digit for digit; only the separators follow the reader.

#include <string>
#include <string_view>

#include "NumberLocale.h"

namespace reckora {

inline constexpr std::string_view NeutralDecimal = ".";
inline constexpr std::string_view NeutralGrouping = ",";

// The neutral notation's separators, for reading kept and exported texts.
const NumberLocale& NeutralLocale();

// A text as shown in `locale` (a tape line, a caption, an entry) in the neutral notation. Only
// separators within a number change: the decimal separator next to a digit, a grouping separator
// between two digits; anything else (a caption's trailing blank, "-Error-") stays as it is.
std::string ToNeutral(std::string_view shown, const NumberLocale& locale);

// The reverse: a text in the neutral notation as `locale` shows it.
std::string FromNeutral(std::string_view neutral, const NumberLocale& locale);

// A value as the shortest neutral text that reads back to the same double ("1250.5", "-3",
// "1e+300"); grouping never appears, so the text reads back in any locale once FromNeutral gave it
// the reader's decimal separator.
std::string ValueText(double value);

}  // namespace reckora
