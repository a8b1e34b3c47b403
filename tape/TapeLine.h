#pragma once
// One line of the paper tape as the engine reported it.

#include <cstdint>
#include <deque>

#include "TapeMark.h"
#include "TapeText.h"

namespace reckora {

struct TapeLine {
    TapeText text;
    std::int32_t itemCount = 0;  // of a total line
    TapeMark mark = TapeMark::ClearAll;
    Ink ink = Ink::Dark;
};

// The line store: position 1 of the tape is element 0. A deque grows without copying the lines
// and wastes little memory at any length.
using TapeLines = std::deque<TapeLine>;

}  // namespace reckora
