#pragma once
// The words of the business functions: why one did nothing, and what the grand-total register
// shows. The window translates them as marked texts.

#include <string>

#include "EngineState.h"
#include "NumberLocale.h"
#include "Refusal.h"
#include "UserText.h"

namespace reckora {

inline constexpr char ErrorLockText[] =
    RECKORA_USER_TEXT("The calculator shows -Error-. Press Clear All, New or Undo first.");
inline constexpr char NoTaxRateText[] =
    RECKORA_USER_TEXT("No tax rate is set. Set one with Options, Tax Rate…");
inline constexpr char NothingTypedText[] =
    RECKORA_USER_TEXT("Type the number to print first; a non-add number is not added.");
inline constexpr char NumberTypedText[] = RECKORA_USER_TEXT(
    "A number is typed but not added. Add it with + or -, or clear it with C, first.");
inline constexpr char ChainPendingText[] = RECKORA_USER_TEXT(
    "A multiplication or division is waiting for its second number. Finish it with T first.");

// The marked text that says why.
const char* RefusalText(Refusal reason);

// The grand-total register as the window shows it: empty while it is zero, else the sum as the
// display would show it under the option in force.
std::string GrandTotalShown(const EngineState& state, const NumberLocale& locale);

}  // namespace reckora
