#pragma once
// What each tape mark is called in a saved tape: the mark as text characters, the line as a
// word, and whether the line takes its amount away. Indexed by TapeMark.

#include <array>
#include <string_view>

#include "TapeMark.h"

namespace reckora::store {

struct MarkWord {
    TapeMark mark;
    std::string_view symbol;  // the mark glyph as text; empty for lines without a glyph
    std::string_view word;
    bool takesAway = false;  // the amount counts negative (a subtracted item, M-)
};

inline constexpr std::array<MarkWord, 25> MarkWordRows{{
    {TapeMark::PendingResult, "", "result", false},
    {TapeMark::Error, "", "error", false},
    {TapeMark::ClearAll, "CA", "clear all", false},
    {TapeMark::Subtract, "-", "subtract", true},
    {TapeMark::Add, "+", "add", false},
    {TapeMark::Divide, "\u00F7", "divide", false},
    {TapeMark::Multiply, "\u00D7", "multiply", false},
    {TapeMark::MemorySubtract, "M-", "memory subtract", true},
    {TapeMark::MemoryAdd, "M+", "memory add", false},
    {TapeMark::MemoryRecall, "MR", "memory recall", false},
    {TapeMark::Equals, "=", "equals", false},
    {TapeMark::Percent, "%", "percent", false},
    {TapeMark::MemoryClear, "MC", "memory clear", false},
    {TapeMark::Subtotal, "\u25C7", "subtotal", false},
    {TapeMark::NonAdd, "#", "non-add", false},
    {TapeMark::Tax, "TX", "tax", false},
    {TapeMark::TaxPlus, "T+", "tax plus", false},
    {TapeMark::TaxMinus, "T-", "tax minus", false},
    {TapeMark::AfterTax, "T=", "after tax", false},
    {TapeMark::Cost, "CT", "cost", false},
    {TapeMark::Sell, "SL", "sell", false},
    {TapeMark::Margin, "MG", "margin", false},
    {TapeMark::MarginAmount, "MA", "margin amount", false},
    {TapeMark::GrandTotal, "GT", "grand total", false},
    {TapeMark::Total, "", "total", false},
}};

constexpr bool MarkWordsAreInMarkOrder() {
    for (std::size_t i = 0; i < MarkWordRows.size(); ++i) {
        if (static_cast<std::size_t>(MarkWordRows[i].mark) != i) {
            return false;
        }
    }
    return MarkWordRows.back().mark == TapeMark::Total;
}
static_assert(MarkWordsAreInMarkOrder());

inline const MarkWord& WordOf(TapeMark mark) {
    return MarkWordRows[static_cast<std::size_t>(mark)];
}

}  // namespace reckora::store
