#pragma once
// What each kind of tape line is called in a saved tape: the mark as text characters and the
// line as a word. Index k holds the line code k + 2 (-2 pending result .. 10 memory clear).

#include <array>
#include <cstdint>
#include <string_view>

#include "StoreRecords.h"

namespace reckora::store {

struct LineWord {
    std::int32_t mark;
    std::string_view symbol;  // the mark glyph as text; empty for lines without a mark
    std::string_view word;
};

inline constexpr std::array<LineWord, 13> kLineWords{{
    {-2, "", "result"},
    {-1, "", "error"},
    {0, "CA", "clear all"},
    {1, "-", "subtract"},
    {2, "+", "add"},
    {3, "\u00F7", "divide"},
    {4, "\u00D7", "multiply"},
    {5, "M-", "memory subtract"},
    {6, "M+", "memory add"},
    {7, "MR", "memory recall"},
    {8, "=", "equals"},
    {9, "%", "percent"},
    {10, "MC", "memory clear"},
}};
inline constexpr std::string_view kTotalWord = "total";

constexpr bool LineWordsAreInCodeOrder() {
    for (std::size_t i = 0; i < kLineWords.size(); ++i) {
        if (kLineWords[i].mark != kLowestMark + static_cast<std::int32_t>(i)) {
            return false;
        }
    }
    return kLineWords.back().mark == kHighestMark;
}
static_assert(LineWordsAreInCodeOrder());

// The entry for a stored line's mark (a total has none: see kTotalWord).
inline const LineWord* WordOf(std::int32_t mark) {
    return mark >= kLowestMark && mark <= kHighestMark ? &kLineWords[mark - kLowestMark] : nullptr;
}

}  // namespace reckora::store
