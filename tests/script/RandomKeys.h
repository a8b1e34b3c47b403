#pragma once
// The random key picker of the property tests: key numbers 0..30, digits frequent so that long
// entries and large values occur; Paste as often as the test asks.

#include <random>
#include <vector>

#include "KeyCommand.h"

namespace reckora::script {

inline std::discrete_distribution<int> RandomKeys(double pasteWeight) {
    std::vector<double> weights{
        6, 6, 6, 6, 6, 6, 6, 6, 6, 9,  // digits
        1, 1, 1, 2,                    // clear all, memory clear, clear, backspace
        3, 4, 3, 3, 2, 3,              // - + / * % total
        1, 1, 1,                       // memory keys
        1, 1, 1, 3, 2, 0, 1, 2,        // copy paste tape 00 separator print new undo
    };
    weights[static_cast<std::size_t>(KeyNumber(Key::Paste))] = pasteWeight;
    return std::discrete_distribution<int>(weights.begin(), weights.end());
}

}  // namespace reckora::script
