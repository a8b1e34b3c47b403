#pragma once
// The random key picker of the property tests: key numbers 0..38, digits frequent so that long
// entries and large values occur; Paste as often as the test asks. The business keys (31..38)
// are clicked by their identity, as their menu entries do, since the designed window has no
// faces for them.

#include <random>
#include <vector>

#include "KeyCommand.h"
#include "ScriptSession.h"

namespace reckora::script {

inline std::discrete_distribution<int> RandomKeys(double pasteWeight) {
    std::vector<double> weights{
        6, 6, 6, 6, 6, 6, 6, 6, 6, 9,  // digits
        1, 1, 1, 2,                    // clear all, memory clear, clear, backspace
        3, 4, 3, 3, 2, 3,              // - + / * % total
        1, 1, 1,                       // memory keys
        1, 1, 1, 3, 2, 0, 1, 2,        // copy paste tape 00 separator print new undo
        1, 1, 1, 1, 1, 1, 1, 1,        // grand total, subtotal, non-add, tax, cost, sell, margin
    };
    weights[static_cast<std::size_t>(KeyNumber(Key::Paste))] = pasteWeight;
    return std::discrete_distribution<int>(weights.begin(), weights.end());
}

inline void PressRandomKey(ScriptSession& session, int number, bool fireTimer) {
    const std::optional<Key> key = AnyKeyAt(number);
    if (key && IsBusinessKey(*key)) {
        session.Click(*key, fireTimer);
    } else {
        session.Key(number, fireTimer);
    }
}

// A setting the business functions' results depend on, chosen at random: a tax rate (0 turns
// the tax keys away) or a rounding direction.
inline CalcCommand RandomBusinessSetting(std::mt19937& random) {
    constexpr double Rates[] = {0, 19, 7.7, 100, 2.5};
    if (random() % 2 == 0) {
        return ChooseTaxRate{Rates[random() % std::size(Rates)]};
    }
    return ChooseRoundingDirection{static_cast<RoundingDirection>(random() % 4)};
}

}  // namespace reckora::script
