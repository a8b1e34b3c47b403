// One level of undo: the snapshot taken before each operation and its restoration.

#include "Calculator.h"
#include "Failure.h"
#include "KeyCommand.h"

namespace reckora {

void Calculator::TakeSnapshot() {
    const EngineState& s = state_;
    state_.UndoSnapshot = {s.EntryValue, s.LastValue, s.RunningTotal, s.ChainValue,
                           s.ItemCount,  s.ChainOp,   s.MemoryValue};
    state_.UndoTapeLines = ports_.tape.CurrentLine();
    EnableUndo(true);
}

void Calculator::EnableUndo(bool flag) {
    state_.UndoAvailable = flag;
    ports_.showUndoAvailable(flag);
}

void Calculator::UndoLast() {
    EnableUndo(false);
    const SavedValues& saved = state_.UndoSnapshot;
    state_.EntryValue = saved.EntryValue;
    state_.LastValue = saved.LastValue;
    state_.RunningTotal = saved.RunningTotal;
    state_.ChainValue = saved.ChainValue;
    state_.ItemCount = saved.ItemCount;
    state_.ChainOp = saved.ChainOp;
    state_.MemoryValue = saved.MemoryValue;
    ports_.tape.SetCurrentLine(state_.UndoTapeLines);
    ports_.tape.Redraw();
    state_.EntryText = "0";
    ShowCounter();

    // A restored value too long for the current option is shown under Floating Point.
    const auto withFloatingPointRetry = [this](auto step) {
        try {
            step();
        } catch (const Failure&) {
            if (GetRoundOption() == RoundOption::FloatingPoint) {
                throw;
            }
            SelectRoundOption(RoundOption::FloatingPoint);
            step();
        }
    };
    try {
        withFloatingPointRetry([this] { ShowMemory(state_.MemoryValue); });
        withFloatingPointRetry([this] { ShowResult(state_.EntryValue); });
    } catch (const Failure&) {
        ErrorBeep();
        return;
    }
    state_.ErrorState = false;
}

}  // namespace reckora
