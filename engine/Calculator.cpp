#include "Calculator.h"

#include <utility>

#include "Failure.h"

namespace reckora {

namespace {

// The ports with the labels written through `shown`, which remembers what they were given.
EnginePorts WritingTo(const EnginePorts& ports, ShownLabels& shown) {
    return EnginePorts{
        shown.Display(), shown.Memory(),           shown.Counter(),        ports.clipboard,
        ports.tape,      ports.showSelectedOption, ports.setBlinkInterval, ports.showUndoAvailable,
        ports.beep,      ports.showTape,           ports.explain};
}

}  // namespace

Calculator::Calculator(const EnginePorts& ports, NumberLocale locale)
    : shown_(ports.display, ports.memory, ports.counter),
      ports_(WritingTo(ports, shown_)),
      locale_(std::move(locale)) {
    ports_.memory.SetCaption("0" + locale_.decimalSep + " ");
    state_.entryText = "0";
}

void Calculator::PressNumber(int number) {
    if (const std::optional<Key> key = KeyAt(number)) {
        Press(*key);
    } else if (state_.errorState) {
        ErrorBeep();
    }
}

void Calculator::Press(Key key) {
    const KeyRow& row = RowOf(key);
    if (RefusedByLock(row)) {
        return;
    }
    switch (row.role) {
        case KeyRole::Type:
            AddToEntry(row.text);
            return;
        case KeyRole::TypeSeparator:
            AddToEntry(locale_.decimalSep);
            return;
        case KeyRole::Operate:
            if (IsBusinessKey(key)) {
                if (const std::optional<Refusal> reason = BusinessRefusal(row.operation)) {
                    Refuse(*reason);
                    return;
                }
            }
            DoOperation(row.operation);
            return;
        case KeyRole::Backspace:
            DropLastChar();
            if (state_.entryText.ends_with(locale_.decimalSep)) {
                DropLastChar();
            }
            AddToEntry("");
            return;
        case KeyRole::CopyDisplay:
            CopyDisplay();
            return;
        case KeyRole::PasteNumber:
            PasteNumber(ports_.clipboard.Text());
            return;
        case KeyRole::ToggleTape:
            SetTapeVisible(!state_.tapeVisible);
            return;
        case KeyRole::PrintTape:
            ports_.tape.PrintContent();
            return;
        case KeyRole::StartNewTape:
            state_.memoryValue = 0;
            state_.grandTotal = 0;
            state_.grandTotalCount = 0;
            DoOperation(Operation::ClearAll);
            EnableUndo(false);
            ports_.tape.ClearAll();
            return;
        case KeyRole::UndoLast:
            // A disabled key gets no clicks; undo exists only after a snapshot.
            if (state_.undoAvailable) {
                UndoLast();
            }
            return;
    }
}

void Calculator::PasteText(std::string_view text) {
    if (!RefusedByLock(RowOf(Key::Paste))) {
        PasteNumber(text);
    }
}

bool Calculator::RefusedByLock(const KeyRow& row) {
    // A business key says why, past the lock too.
    if (state_.errorState && !row.passesErrorLock && !IsBusinessKey(row.key)) {
        ErrorBeep();
        return true;
    }
    return false;
}

void Calculator::SelectRoundingOption(RoundingOption option) {
    if (state_.selectedOption == option) {
        return;
    }
    state_.selectedOption = option;
    ports_.showSelectedOption(option);
    ReshowEntry();
}

void Calculator::SetTapeVisible(bool visible) {
    state_.tapeVisible = visible;
    ports_.showTape(visible);
}

RoundingOption Calculator::GetRoundingOption() const {
    return state_.selectedOption.value_or(RoundingOption::Integer);
}

void Calculator::Restore(const EngineState& state, const ShownCaptions& shown) {
    const bool tapeVisible = state_.tapeVisible;
    state_ = state;
    state_.tapeVisible = tapeVisible;
    state_.timerArmed = false;
    ports_.setBlinkInterval(0);
    ports_.display.SetCaption(state.timerArmed ? state.pendingCaption : shown.display);
    ports_.display.SetForeColor(shown.displayColor);
    if (state_.selectedOption) {
        ports_.showSelectedOption(*state_.selectedOption);
    }
    ports_.showUndoAvailable(state_.undoAvailable);
    ports_.memory.SetCaption(shown.memory);
    ports_.counter.SetCaption(shown.counter);
}

void Calculator::ReplaceEntry(const std::string& text) {
    if (text == state_.entryText) {
        return;
    }
    try {
        const double value = ShowEntry(text);
        state_.entryText = text;
        state_.entryValue = value;
        state_.lastValue = value;
    } catch (const Failure&) {
        ErrorBeep();
    }
}

void Calculator::ErrorBeep() {
    ++refusals_;
    ports_.beep(5000, 5);
    ports_.beep(3000, 5);
    ports_.beep(4000, 5);
}

}  // namespace reckora
