#pragma once
// What each tape mark is called in a saved tape: the mark as text characters, the line as a
// word, and how the line's amount counts. Indexed by TapeMark.

#include <array>
#include <cstdint>
#include <string_view>

#include "TapeMark.h"

namespace reckora::store {

// How a line's amount counts in a column of saved amounts.
enum class Counts : std::uint8_t {
    AsShown,
    TakenAway,  // negative: a subtracted item, M-
    Nothing,    // no amount: a non-add number is a reference (an invoice or account number)
};

struct MarkWord {
    TapeMark mark;
    std::string_view symbol;  // the mark glyph as text; empty for lines without a glyph
    std::string_view word;
    Counts counts = Counts::AsShown;
};

inline constexpr std::array<MarkWord, 25> MarkWordRows{{
    {TapeMark::PendingResult, "", "result", Counts::AsShown},
    {TapeMark::Error, "", "error", Counts::AsShown},
    {TapeMark::ClearAll, "CA", "clear all", Counts::AsShown},
    {TapeMark::Subtract, "-", "subtract", Counts::TakenAway},
    {TapeMark::Add, "+", "add", Counts::AsShown},
    {TapeMark::Divide, "\u00F7", "divide", Counts::AsShown},
    {TapeMark::Multiply, "\u00D7", "multiply", Counts::AsShown},
    {TapeMark::MemorySubtract, "M-", "memory subtract", Counts::TakenAway},
    {TapeMark::MemoryAdd, "M+", "memory add", Counts::AsShown},
    {TapeMark::MemoryRecall, "MR", "memory recall", Counts::AsShown},
    {TapeMark::Equals, "=", "equals", Counts::AsShown},
    {TapeMark::Percent, "%", "percent", Counts::AsShown},
    {TapeMark::MemoryClear, "MC", "memory clear", Counts::AsShown},
    {TapeMark::Subtotal, "\u25C7", "subtotal", Counts::AsShown},
    {TapeMark::NonAdd, "#", "non-add", Counts::Nothing},
    {TapeMark::Tax, "TX", "tax", Counts::AsShown},
    {TapeMark::TaxPlus, "T+", "tax plus", Counts::AsShown},
    {TapeMark::TaxMinus, "T-", "tax minus", Counts::AsShown},
    {TapeMark::AfterTax, "T=", "after tax", Counts::AsShown},
    {TapeMark::Cost, "CT", "cost", Counts::AsShown},
    {TapeMark::Sell, "SL", "sell", Counts::AsShown},
    {TapeMark::Margin, "MG", "margin", Counts::AsShown},
    {TapeMark::MarginAmount, "MA", "margin amount", Counts::AsShown},
    {TapeMark::GrandTotal, "GT", "grand total", Counts::AsShown},
    {TapeMark::Total, "", "total", Counts::AsShown},
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
