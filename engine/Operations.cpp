// The adding machine proper: running total and item count, the multiply/divide chain, percent,
// totals, memory, and the lines each operation puts on the tape.

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "Calculator.h"
#include "Failure.h"
#include "KeyCommand.h"
#include "NumberFormat.h"

namespace reckora {
namespace {

enum class Arithmetic : std::uint8_t { CopySecond, Minus, Plus, Over, Times };

// What each operation computes and the mark of the line it writes for its value.
struct OperationRow {
    Operation operation;
    Arithmetic arithmetic;
    TapeMark mark;
};

constexpr std::array<OperationRow, 20> OperationRows{{
    {Operation::Subtract, Arithmetic::Minus, TapeMark::Subtract},
    {Operation::Add, Arithmetic::Plus, TapeMark::Add},
    {Operation::Divide, Arithmetic::Over, TapeMark::Divide},
    {Operation::Multiply, Arithmetic::Times, TapeMark::Multiply},
    {Operation::Percent, Arithmetic::CopySecond, TapeMark::Percent},
    {Operation::Total, Arithmetic::CopySecond, TapeMark::Total},
    {Operation::MemoryRecall, Arithmetic::CopySecond, TapeMark::MemoryRecall},
    {Operation::MemorySubtract, Arithmetic::Minus, TapeMark::MemorySubtract},
    {Operation::MemoryAdd, Arithmetic::Plus, TapeMark::MemoryAdd},
    {Operation::ClearAll, Arithmetic::CopySecond, TapeMark::ClearAll},
    {Operation::MemoryClear, Arithmetic::CopySecond, TapeMark::MemoryClear},
    {Operation::Clear, Arithmetic::CopySecond, TapeMark::ClearAll},
    {Operation::GrandTotal, Arithmetic::CopySecond, TapeMark::GrandTotal},
    {Operation::Subtotal, Arithmetic::CopySecond, TapeMark::Subtotal},
    {Operation::NonAdd, Arithmetic::CopySecond, TapeMark::NonAdd},
    {Operation::TaxPlus, Arithmetic::Plus, TapeMark::TaxPlus},
    {Operation::TaxMinus, Arithmetic::Minus, TapeMark::TaxMinus},
    {Operation::Cost, Arithmetic::CopySecond, TapeMark::Cost},
    {Operation::Sell, Arithmetic::CopySecond, TapeMark::Sell},
    {Operation::Margin, Arithmetic::CopySecond, TapeMark::Margin},
}};

constexpr const OperationRow& RowOf(Operation operation) {
    return OperationRows[static_cast<std::size_t>(operation)];
}

static_assert([] {
    for (std::size_t i = 0; i < OperationRows.size(); ++i) {
        if (static_cast<std::size_t>(OperationRows[i].operation) != i) {
            return false;
        }
    }
    return true;
}());

double Apply(Arithmetic arithmetic, double a, double b) {
    double result = 0;
    switch (arithmetic) {
        case Arithmetic::CopySecond:
            result = b;
            break;
        case Arithmetic::Minus:
            result = a - b;
            break;
        case Arithmetic::Plus:
            result = a + b;
            break;
        case Arithmetic::Over:
            result = a / b;
            break;
        case Arithmetic::Times:
            result = a * b;
            break;
    }
    return Checked(result, arithmetic == Arithmetic::Over && b == 0);
}

// A chain in progress divides or multiplies; without one the second value is taken as it is.
Arithmetic ChainArithmetic(const std::optional<Operation>& chain) {
    return chain ? RowOf(*chain).arithmetic : Arithmetic::CopySecond;
}

}  // namespace

// Under Floating Point a kept result holds no more digits than the display shows, so sums of
// decimal amounts carry no binary noise; the fixed-decimal options round as for any value.
double Calculator::RoundedResult(double value) const {
    if (GetRoundingOption() == RoundingOption::FloatingPoint) {
        return RoundSignificant(value, DisplayCapacity, TieRule::HalfEven);
    }
    return Rounded(value);
}

double Calculator::Rounded(double value) const {
    const RoundingOption option = GetRoundingOption();
    if (option == RoundingOption::FloatingPoint) {
        return value;
    }
    return RoundDecimalsToward(value, FixedDecimals(option), state_.roundingDirection);
}

double Calculator::ChainResult() const {
    return RoundedResult(
        Apply(ChainArithmetic(state_.chainOp), state_.chainValue, state_.entryValue));
}

void Calculator::AddToGrandTotal(double total) {
    EngineState& s = state_;
    if (s.grandTotalCount == std::numeric_limits<std::int32_t>::max() + GrandTotalCodeBase) {
        throw Failure(FailureKind::Overflow, "too many totals for a grand total");
    }
    s.grandTotal = RoundedResult(Checked(s.grandTotal + total));
    ++s.grandTotalCount;
}

void Calculator::AddTapeLine(double value, TapeMark mark, std::int32_t itemCount) {
    if (mark == TapeMark::Error) {
        ports_.tape.AddLine({"-Error-", TapeMark::Error, 0, Ink::Red});
        return;
    }
    ports_.tape.AddLine({FormatNumber(value, true, false, GetRoundingOption(), locale_), mark,
                         itemCount, value < 0 ? Ink::Red : Ink::Dark});
}

void Calculator::ShowMemory(double value) {
    ports_.memory.SetCaption(FormatNumber(value, false, true, GetRoundingOption(), locale_) + " ");
}

void Calculator::ShowCounter() {
    ports_.counter.SetCaption(std::to_string(state_.itemCount) + " ");
}

void Calculator::DoOperation(Operation operation) {
    if (operation != Operation::Clear) {
        TakeSnapshot();
    }
    try {
        RunOperation(operation);
    } catch (const Failure&) {
        EnterErrorState();
        return;
    }
    state_.entryText = "0";
    ShowCounter();
    // Clear takes back typing only; what was there before it stays what a non-add puts back.
    if (operation != Operation::Clear) {
        NoteValuesBeforeTyping();
    }
}

void Calculator::NoteValuesBeforeTyping() {
    state_.entryValueBeforeTyping = state_.entryValue;
    state_.lastValueBeforeTyping = state_.lastValue;
}

void Calculator::RunOperation(Operation operation) {
    EngineState& s = state_;
    const OperationRow& row = RowOf(operation);
    switch (operation) {
        case Operation::Subtract:
        case Operation::Add:
            if (!s.chainOp) {
                s.entryValue = Rounded(s.entryValue);
                s.runningTotal = RoundedResult(Apply(row.arithmetic, s.runningTotal, s.entryValue));
                s.lastValue = s.runningTotal;
            } else {
                AddTapeLine(s.entryValue, TapeMark::Equals);
                s.entryValue = ChainResult();
                s.chainOp.reset();
                s.lastValue = s.entryValue;
                s.runningTotal = RoundedResult(Apply(row.arithmetic, s.runningTotal, s.entryValue));
            }
            AddTapeLine(s.entryValue, row.mark);
            ShowResult(s.lastValue);
            if (s.itemCount == std::numeric_limits<std::int32_t>::max()) {
                throw Failure(FailureKind::Overflow, "too many items");
            }
            ++s.itemCount;
            return;
        case Operation::Divide:
        case Operation::Multiply:
            AddTapeLine(s.lastValue, row.mark);
            s.chainValue = Apply(ChainArithmetic(s.chainOp), s.chainValue, s.lastValue);
            s.entryValue = s.chainValue;
            s.chainOp = operation;
            ShowResult(s.entryValue);
            return;
        case Operation::Percent:
            if (!s.chainOp) {
                AddTapeLine(s.runningTotal, row.mark);
                AddTapeLine(s.entryValue, TapeMark::Equals);
                s.entryValue = RoundedResult(
                    Apply(Arithmetic::CopySecond, 0, s.entryValue * s.runningTotal / 100));
                AddTapeLine(s.entryValue, TapeMark::PendingResult);
            } else {
                s.entryValue = s.entryValue / 100;
            }
            s.lastValue = s.entryValue;
            ShowResult(s.entryValue);
            return;
        case Operation::Total:
            if (s.chainOp) {
                AddTapeLine(s.entryValue, TapeMark::Equals);
                s.entryValue = ChainResult();
                s.chainOp.reset();
                s.lastValue = s.entryValue;
                AddTapeLine(s.entryValue, TapeMark::PendingResult);
                AddToGrandTotal(s.entryValue);
            } else {
                // A total line's number (100 + its count) stays a 32-bit value for saved tapes.
                if (s.itemCount > std::numeric_limits<std::int32_t>::max() - TotalCodeBase) {
                    throw Failure(FailureKind::Overflow, "too many items for a total line");
                }
                AddTapeLine(s.runningTotal, row.mark, s.itemCount);
                s.entryValue = Rounded(s.runningTotal);
                s.lastValue = s.entryValue;
                s.runningTotal = 0;
                s.itemCount = 0;
                AddToGrandTotal(s.entryValue);
            }
            ShowResult(s.entryValue);
            return;
        case Operation::MemoryRecall:
            s.entryValue = Rounded(s.memoryValue);
            s.lastValue = s.entryValue;
            AddTapeLine(s.entryValue, row.mark);
            ShowResult(s.entryValue);
            return;
        case Operation::MemorySubtract:
        case Operation::MemoryAdd: {
            double memory = 0;
            if (!s.chainOp) {
                s.lastValue = Rounded(s.lastValue);
                memory = RoundedResult(Apply(row.arithmetic, s.memoryValue, s.lastValue));
                s.entryValue = s.lastValue;
            } else {
                AddTapeLine(s.entryValue, TapeMark::Equals);
                s.entryValue = ChainResult();
                s.chainOp.reset();
                memory = RoundedResult(Apply(row.arithmetic, s.memoryValue, s.entryValue));
                s.lastValue = s.entryValue;
            }
            ShowMemory(memory);
            s.memoryValue = memory;
            AddTapeLine(s.entryValue, row.mark);
            ShowResult(s.entryValue);
            return;
        }
        case Operation::ClearAll:
            s.entryText = "0";
            AddToEntry("");
            s.entryValue = 0;
            s.lastValue = 0;
            s.runningTotal = 0;
            s.chainValue = 0;
            s.chainOp.reset();
            s.itemCount = 0;
            s.errorState = false;
            s.priceFigure = PriceFigure::None;
            s.priceValue = 0;
            AddTapeLine(0, row.mark);
            ShowMemory(s.memoryValue);
            return;
        case Operation::MemoryClear:
            s.memoryValue = 0;
            AddTapeLine(0, row.mark);
            ports_.memory.SetCaption("0" + locale_.decimalSep + " ");
            return;
        case Operation::Clear:
            s.entryText = "0";
            AddToEntry("");
            return;
        case Operation::GrandTotal:
        case Operation::Subtotal:
        case Operation::NonAdd:
        case Operation::TaxPlus:
        case Operation::TaxMinus:
        case Operation::Cost:
        case Operation::Sell:
        case Operation::Margin:
            RunBusinessOperation(operation);
            return;
    }
}

void Calculator::EnterErrorState() {
    state_.errorState = true;
    // The error text wins over a result still waiting for the timer.
    StopTimer();
    state_.pendingCaption.clear();
    ports_.display.SetCaption("-Error- ");
    try {
        AddTapeLine(-1, TapeMark::Error);
    } catch (const Failure&) {
        // A tape that can take no more lines still leaves the calculator locked and showing
        // the error.
    }
}

}  // namespace reckora
