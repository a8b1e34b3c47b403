#pragma once
// One line of the paper tape as the engine reported it, and the line codes that give it its
// mark. Codes outside -2..10 are total lines whose item count is the code minus 100.

#include <cstdint>
#include <deque>

#include "TapeText.h"

namespace reckora {

namespace tape_code {
inline constexpr std::int32_t kPendingResult = -2;  // overdrawn by a next line of same text
inline constexpr std::int32_t kError = -1;
inline constexpr std::int32_t kClearAll = 0;
inline constexpr std::int32_t kSubtract = 1;
inline constexpr std::int32_t kAdd = 2;
inline constexpr std::int32_t kDivide = 3;
inline constexpr std::int32_t kMultiply = 4;
inline constexpr std::int32_t kMemorySubtract = 5;
inline constexpr std::int32_t kMemoryAdd = 6;
inline constexpr std::int32_t kMemoryRecall = 7;
inline constexpr std::int32_t kEquals = 8;
inline constexpr std::int32_t kPercent = 9;
inline constexpr std::int32_t kMemoryClear = 10;
inline constexpr std::int32_t kTotalBase = 100;  // 100 + item count
}  // namespace tape_code

struct TapeLine {
    TapeText NumStr;
    std::int32_t Op = 0;
    bool CLR = true;
    // Vertical centre of the line on the unscrolled tape, after the overdraw step-back: the
    // value NextY had when the line was drawn. Kept so that a redraw can find the lines in view.
    std::int64_t centre = 0;
};

// The line store: position 1 of the tape is element 0. A deque grows without copying the lines
// and wastes little memory at any length.
using TapeLines = std::deque<TapeLine>;

}  // namespace reckora
