#include "BusinessTexts.h"

#include <array>

#include "Failure.h"
#include "NumberFormat.h"

namespace reckora {

const char* RefusalText(Refusal reason) {
    constexpr std::array<const char*, 5> Texts{ErrorLockText, NoTaxRateText, NothingTypedText,
                                               NumberTypedText, ChainPendingText};
    return Texts[static_cast<std::size_t>(reason)];
}

std::string GrandTotalShown(const EngineState& state, const NumberLocale& locale) {
    if (state.grandTotal == 0) {
        return {};
    }
    const RoundingOption option = state.selectedOption.value_or(RoundingOption::Integer);
    try {
        return FormatNumber(state.grandTotal, false, false, option, locale);
    } catch (const Failure&) {
        return FormatNumber(state.grandTotal, false, false, RoundingOption::FloatingPoint, locale);
    }
}

}  // namespace reckora
