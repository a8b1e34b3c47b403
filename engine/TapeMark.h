#pragma once
// What the engine writes on the paper tape: a line's text, the mark printed beside it, the item
// count of a total line and its ink.

#include <cstdint>
#include <optional>
#include <string>

namespace reckora {

enum class TapeMark : std::uint8_t {
    PendingResult,  // a result with no mark; the next line of the same text overdraws it
    Error,
    ClearAll,
    Subtract,
    Add,
    Divide,
    Multiply,
    MemorySubtract,
    MemoryAdd,
    MemoryRecall,
    Equals,
    Percent,
    MemoryClear,
    // The business functions' lines.
    Subtotal,      // the running total, which goes on
    NonAdd,        // a reference number, added to nothing
    Tax,           // the tax amount
    TaxPlus,       // the amount tax is added to
    TaxMinus,      // the amount tax is taken out of
    AfterTax,      // the amount with the tax added or taken out
    Cost,          // a cost price
    Sell,          // a selling price
    Margin,        // a margin in percent of the selling price
    MarginAmount,  // the margin as an amount
    GrandTotal,    // with the number of totals in it
    Total,         // with the rule and the item count
};

enum class Ink : std::uint8_t {
    Dark,  // numbers that are not negative
    Red,   // negative numbers and the error line
};

struct TapeEntry {
    std::string text;
    TapeMark mark = TapeMark::ClearAll;
    std::int32_t itemCount = 0;  // a total line's item count, a grand total's count of totals
    Ink ink = Ink::Dark;
};

// A line's number in the key-script harness's output and in saved tapes: -2 pending result,
// -1 error, 0 clear all, 1..20 the marks in order, 100 + item count for a total, -100 - count of
// totals for a grand total.
inline constexpr std::int32_t TotalCodeBase = 100;
inline constexpr std::int32_t GrandTotalCodeBase = -100;

// A grand total or a total: a line that carries a count.
constexpr bool IsCounted(TapeMark mark) {
    return mark == TapeMark::Total || mark == TapeMark::GrandTotal;
}
std::int64_t TapeLineCode(TapeMark mark, std::int32_t itemCount);

// The mark and item count a line number stands for; none for a number no line has.
struct MarkAndCount {
    TapeMark mark;
    std::int32_t itemCount = 0;
};
std::optional<MarkAndCount> MarkOfLineCode(std::int64_t code);

}  // namespace reckora
