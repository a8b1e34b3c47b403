// The adding machine proper: running total and item count, the multiply/divide chain, percent,
// totals, memory, and the lines each operation puts on the tape.

#include <cmath>
#include <limits>

#include "Calculator.h"
#include "Failure.h"
#include "KeyCommand.h"
#include "NumberFormat.h"
#include "OperationCode.h"

namespace reckora {
namespace {

// Codes of Calculate.
enum Arithmetic : int { CopySecond = 0, Minus = 1, Plus = 2, Over = 3, Times = 4 };

// Line codes the engine sends to the tape.
enum TapeCode : int {
    TapeResult = -2,
    TapeError = -1,
    TapeClearAll = 0,
    TapeChainOperand = 8,
    TapePercentBase = 9,
    TapeMemoryClear = 10,
    TapeTotalBase = 100,
};

void CheckArithmetic(double result, bool dividedByZero) {
    if (dividedByZero) {
        throw Failure(FailureKind::DivisionByZero, "division by zero");
    }
    if (std::isnan(result)) {
        throw Failure(FailureKind::InvalidResult, "invalid result");
    }
    if (std::isinf(result)) {
        throw Failure(FailureKind::Overflow, "overflow");
    }
}

}  // namespace

double Calculator::Calculate(double a, double b, int code, bool applyRounding) const {
    double result = 0;
    switch (code) {
        case CopySecond:
            result = b;
            break;
        case Minus:
            result = a - b;
            break;
        case Plus:
            result = a + b;
            break;
        case Over:
            result = a / b;
            break;
        case Times:
            result = a * b;
            break;
        default:
            break;
    }
    CheckArithmetic(result, code == Over && b == 0);
    return applyRounding ? RoundedResult(result) : result;
}

// Under Floating Point a kept result holds no more digits than the display shows, so sums of
// decimal amounts carry no binary noise; the fixed-decimal options round as for any value.
double Calculator::RoundedResult(double value) const {
    if (GetRoundOption() == RoundOption::FloatingPoint) {
        return RoundSignificant(value, DisplayCapacity, TieRule::HalfEven);
    }
    return Rounded(value);
}

double Calculator::Rounded(double value) const {
    const int option = GetRoundOption();
    if (option == RoundOption::FloatingPoint) {
        return value;
    }
    return RoundDecimals(value, FixedDecimals(option), TieRule::HalfEven);
}

double Calculator::ChainResult() const {
    return Calculate(state_.ChainValue, state_.EntryValue, state_.ChainOp, true);
}

void Calculator::AddTapeLine(double value, int code) {
    if (code == TapeError) {
        ports_.tape.AddDataLine("-Error-", TapeError, false);
        return;
    }
    ports_.tape.AddDataLine(FormatNumber(value, true, false, GetRoundOption(), locale_), code,
                            !(value < 0));
}

void Calculator::ShowMemory(double value) {
    ports_.memory.SetCaption(FormatNumber(value, false, true, GetRoundOption(), locale_) + " ");
}

void Calculator::ShowCounter() {
    ports_.counter.SetCaption(std::to_string(state_.ItemCount) + " ");
}

void Calculator::DoOperation(int code) {
    if (code != OpClear) {
        TakeSnapshot();
    }
    try {
        RunOperation(code);
    } catch (const Failure&) {
        EnterErrorState();
        return;
    }
    state_.EntryText = "0";
    ShowCounter();
}

void Calculator::RunOperation(int code) {
    EngineState& s = state_;
    switch (code) {
        case OpSubtract:
        case OpAdd:
            if (s.ChainOp == 0) {
                s.EntryValue = Rounded(s.EntryValue);
                s.RunningTotal = Calculate(s.RunningTotal, s.EntryValue, code, true);
                s.LastValue = s.RunningTotal;
            } else {
                AddTapeLine(s.EntryValue, TapeChainOperand);
                s.EntryValue = ChainResult();
                s.ChainOp = 0;
                s.LastValue = s.EntryValue;
                s.RunningTotal = Calculate(s.RunningTotal, s.EntryValue, code, true);
            }
            AddTapeLine(s.EntryValue, code);
            ShowResult(s.LastValue);
            if (s.ItemCount == std::numeric_limits<std::int32_t>::max()) {
                throw Failure(FailureKind::Overflow, "too many items");
            }
            ++s.ItemCount;
            return;
        case OpDivide:
        case OpMultiply:
            AddTapeLine(s.LastValue, code);
            s.ChainValue = Calculate(s.ChainValue, s.LastValue, s.ChainOp, false);
            s.EntryValue = s.ChainValue;
            s.ChainOp = static_cast<std::int16_t>(code);
            ShowResult(s.EntryValue);
            return;
        case OpPercent:
            if (s.ChainOp == 0) {
                AddTapeLine(s.RunningTotal, TapePercentBase);
                AddTapeLine(s.EntryValue, TapeChainOperand);
                s.EntryValue = Calculate(0, s.EntryValue * s.RunningTotal / 100, CopySecond, true);
                AddTapeLine(s.EntryValue, TapeResult);
            } else {
                s.EntryValue = s.EntryValue / 100;
            }
            s.LastValue = s.EntryValue;
            ShowResult(s.EntryValue);
            return;
        case OpTotal:
            if (s.ChainOp != 0) {
                AddTapeLine(s.EntryValue, TapeChainOperand);
                s.EntryValue = ChainResult();
                s.ChainOp = 0;
                s.LastValue = s.EntryValue;
                AddTapeLine(s.EntryValue, TapeResult);
            } else {
                if (s.ItemCount > std::numeric_limits<std::int32_t>::max() - TapeTotalBase) {
                    throw Failure(FailureKind::Overflow, "too many items for a total line");
                }
                AddTapeLine(s.RunningTotal, TapeTotalBase + s.ItemCount);
                s.EntryValue = Rounded(s.RunningTotal);
                s.LastValue = s.EntryValue;
                s.RunningTotal = 0;
                s.ItemCount = 0;
            }
            ShowResult(s.EntryValue);
            return;
        case OpMemoryRestore:
            s.EntryValue = Rounded(s.MemoryValue);
            s.LastValue = s.EntryValue;
            AddTapeLine(s.EntryValue, code);
            ShowResult(s.EntryValue);
            return;
        case OpMemorySubtract:
        case OpMemoryAdd: {
            const int arithmetic = code - 7;
            double memory = 0;
            if (s.ChainOp == 0) {
                s.LastValue = Rounded(s.LastValue);
                memory = Calculate(s.MemoryValue, s.LastValue, arithmetic, true);
                s.EntryValue = s.LastValue;
            } else {
                AddTapeLine(s.EntryValue, TapeChainOperand);
                s.EntryValue = ChainResult();
                s.ChainOp = 0;
                memory = Calculate(s.MemoryValue, s.EntryValue, arithmetic, true);
                s.LastValue = s.EntryValue;
            }
            ShowMemory(memory);
            s.MemoryValue = memory;
            AddTapeLine(s.EntryValue, code - 3);
            ShowResult(s.EntryValue);
            return;
        }
        case OpClearAll:
            s.EntryText = "0";
            AddToEntry("");
            s.EntryValue = 0;
            s.LastValue = 0;
            s.RunningTotal = 0;
            s.ChainValue = 0;
            s.ChainOp = 0;
            s.ItemCount = 0;
            s.ErrorState = false;
            AddTapeLine(0, TapeClearAll);
            ShowMemory(s.MemoryValue);
            return;
        case OpMemoryClear:
            s.MemoryValue = 0;
            AddTapeLine(0, TapeMemoryClear);
            ports_.memory.SetCaption("0" + locale_.DecimalSep + " ");
            return;
        case OpClear:
            s.EntryText = "0";
            AddToEntry("");
            return;
        default:
            return;
    }
}

void Calculator::EnterErrorState() {
    state_.ErrorState = true;
    // The error text wins over a result still waiting for the timer.
    StopTimer();
    state_.PendingCaption.clear();
    ports_.display.SetCaption("-Error- ");
    try {
        AddTapeLine(-1, TapeError);
    } catch (const Failure&) {
        // A tape that can take no more lines still leaves the calculator locked and showing
        // the error.
    }
}

}  // namespace reckora
