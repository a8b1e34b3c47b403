#pragma once
// The rounding/input options, one per option button: how many decimals results are rounded and
// shown to, and how typed digits are read.

#include <optional>

namespace reckora {

// In the order of the option buttons. Before start-up selects one, no option is selected: the
// engine keeps std::optional<RoundingOption> empty then and works as under Integer.
enum class RoundingOption {
    Integer,
    Decimals1,
    Decimals2,
    Decimals3,
    Decimals4,
    AutoAdd2,  // typed digits are hundredths; no decimal separator is typed
    FloatingPoint,
};
inline constexpr int RoundingOptionCount = 7;

// The option's place among the option buttons: the number the settings, a kept state, the
// journal, the window's table and the script harness write for it.
constexpr int OptionIndex(RoundingOption option) {
    return static_cast<int>(option);
}
// -1 for none selected, as a kept state writes it.
constexpr int OptionIndex(std::optional<RoundingOption> option) {
    return option ? OptionIndex(*option) : -1;
}
// The option at a button's place; nothing for a number that is no button's.
constexpr std::optional<RoundingOption> RoundingOptionAt(int index) {
    if (index < 0 || index >= RoundingOptionCount) {
        return std::nullopt;
    }
    return static_cast<RoundingOption>(index);
}

}  // namespace reckora
