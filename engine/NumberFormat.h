#pragma once
// Rounding and the number patterns that turn values into the texts of the display, the tape and
// the memory label. Every function is pure: the option and the locale are arguments.

#include <string>
#include <string_view>

#include "NumberLocale.h"
#include "RoundingDirection.h"
#include "RoundingOption.h"

namespace reckora {

// How the digits cut off decide: a tie rule for exact halves, or a direction for any rest.
enum class TieRule { HalfEven, HalfAwayFromZero, AwayFromZero, TowardZero };

// Rounds v to the given number of decimals, working on its shortest round-trip decimal form,
// so 2.675 counts as 2.675. Throws Failure for infinities and NaN.
double RoundDecimals(double v, int decimals, TieRule ties);

// Rounds v to the given number of significant decimal digits, likewise on its shortest form.
double RoundSignificant(double v, int significant, TieRule ties);

// Formats v with a pattern of the language "#,##0", "#,##0.", "#,##0.00", "#0." and the built
// patterns "#,##0." + "0"... + "#"...; rounds half away from zero at the last digit position.
std::string FormatPattern(double v, std::string_view pattern, const NumberLocale& locale);

// Rounds v to the given decimals the way `direction` asks. The designed rounding works on v's
// shortest form; the others first take v to the display's capacity of significant digits, so
// that 0.1 + 0.2 rounds up to 0.30 and not to 0.31.
double RoundDecimalsToward(double v, int decimals, RoundingDirection direction);

// Fixed decimals of a rounding option: none for Integer and Floating Point, 1..4 for those
// options, 2 for Auto Add 2.
int FixedDecimals(RoundingOption option);

// Digits the display and the tape can show.
inline constexpr int DisplayCapacity = 15;

// The one formatter of values for display, tape and memory label. Throws Failure when integer
// digits plus fixed decimals exceed the capacity.
std::string FormatNumber(double v, bool noPointIfWhole, bool forceFloat, RoundingOption option,
                         const NumberLocale& locale);

}  // namespace reckora
