#pragma once
// Why a business function did nothing: the engine names the reason, the window words it in the
// user's language. The designed keys only sound the three tones.

#include <cstdint>

namespace reckora {

enum class Refusal : std::uint8_t {
    ErrorLock,     // -Error- is shown: Clear All, New or Undo first
    NoTaxRate,     // the tax rate is 0
    NothingTyped,  // a non-add number needs a number typed
    NumberTyped,   // a subtotal or grand total with a number typed but not added
    ChainPending,  // a multiplication or division waits for its second number
};

}  // namespace reckora
