// One level of undo: the snapshot taken before each operation and its restoration.

#include "Calculator.h"
#include "Failure.h"
#include "KeyCommand.h"

namespace reckora {

void Calculator::TakeSnapshot() {
    const EngineState& s = state_;
    state_.undoSnapshot = {s.entryValue,      s.lastValue,   s.runningTotal, s.chainValue,
                           s.itemCount,       s.chainOp,     s.memoryValue,  s.grandTotal,
                           s.grandTotalCount, s.priceFigure, s.priceValue};
    state_.undoTapeLines = ports_.tape.CurrentLine();
    EnableUndo(true);
}

void Calculator::EnableUndo(bool flag) {
    state_.undoAvailable = flag;
    ports_.showUndoAvailable(flag);
}

void Calculator::UndoLast() {
    EnableUndo(false);
    const SavedValues& saved = state_.undoSnapshot;
    state_.entryValue = saved.entryValue;
    state_.lastValue = saved.lastValue;
    state_.runningTotal = saved.runningTotal;
    state_.chainValue = saved.chainValue;
    state_.itemCount = saved.itemCount;
    state_.chainOp = saved.chainOp;
    state_.memoryValue = saved.memoryValue;
    state_.grandTotal = saved.grandTotal;
    state_.grandTotalCount = saved.grandTotalCount;
    state_.priceFigure = saved.priceFigure;
    state_.priceValue = saved.priceValue;
    ports_.tape.SetCurrentLine(state_.undoTapeLines);
    ports_.tape.Redraw();
    state_.entryText = "0";
    ShowCounter();

    // A restored value too long for the current option is shown under Floating Point.
    const auto withFloatingPointRetry = [this](auto step) {
        try {
            step();
        } catch (const Failure&) {
            if (GetRoundingOption() == RoundingOption::FloatingPoint) {
                throw;
            }
            SelectRoundingOption(RoundingOption::FloatingPoint);
            step();
        }
    };
    try {
        withFloatingPointRetry([this] { ShowMemory(state_.memoryValue); });
        withFloatingPointRetry([this] { ShowResult(state_.entryValue); });
    } catch (const Failure&) {
        ErrorBeep();
        return;
    }
    state_.errorState = false;
    NoteValuesBeforeTyping();
}

}  // namespace reckora
