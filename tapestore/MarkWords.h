#pragma once
// What each tape mark is called in a saved tape: the mark as text characters and the line as a
// word. Indexed by TapeMark.

#include <array>
#include <string_view>

#include "TapeMark.h"

namespace reckora::store {

struct MarkWord {
    TapeMark mark;
    std::string_view symbol;  // the mark glyph as text; empty for lines without a glyph
    std::string_view word;
};

inline constexpr std::array<MarkWord, 14> kMarkWords{{
    {TapeMark::PendingResult, "", "result"},
    {TapeMark::Error, "", "error"},
    {TapeMark::ClearAll, "CA", "clear all"},
    {TapeMark::Subtract, "-", "subtract"},
    {TapeMark::Add, "+", "add"},
    {TapeMark::Divide, "\u00F7", "divide"},
    {TapeMark::Multiply, "\u00D7", "multiply"},
    {TapeMark::MemorySubtract, "M-", "memory subtract"},
    {TapeMark::MemoryAdd, "M+", "memory add"},
    {TapeMark::MemoryRecall, "MR", "memory recall"},
    {TapeMark::Equals, "=", "equals"},
    {TapeMark::Percent, "%", "percent"},
    {TapeMark::MemoryClear, "MC", "memory clear"},
    {TapeMark::Total, "", "total"},
}};

constexpr bool MarkWordsAreInMarkOrder() {
    for (std::size_t i = 0; i < kMarkWords.size(); ++i) {
        if (static_cast<std::size_t>(kMarkWords[i].mark) != i) {
            return false;
        }
    }
    return kMarkWords.back().mark == TapeMark::Total;
}
static_assert(MarkWordsAreInMarkOrder());

inline const MarkWord& WordOf(TapeMark mark) {
    return kMarkWords[static_cast<std::size_t>(mark)];
}

}  // namespace reckora::store
