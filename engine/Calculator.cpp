#include "Calculator.h"

#include <utility>

#include "Failure.h"

namespace reckora {

Calculator::Calculator(const EnginePorts& ports, NumberLocale locale)
    : ports_(ports), locale_(std::move(locale)) {
    ports_.memory.SetCaption("0" + locale_.DecimalSep + " ");
    state_.EntryText = "0";
}

void Calculator::PressNumber(int number) {
    if (const std::optional<Key> key = KeyAt(number)) {
        Press(*key);
    } else if (state_.ErrorState) {
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
            AddToEntry(locale_.DecimalSep);
            return;
        case KeyRole::Operate:
            DoOperation(row.operation);
            return;
        case KeyRole::Backspace:
            DropLastChar();
            if (state_.EntryText.ends_with(locale_.DecimalSep)) {
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
            SetTapeVisible(!state_.TapeVisible);
            return;
        case KeyRole::PrintTape:
            ports_.tape.PrintContent();
            return;
        case KeyRole::StartNewTape:
            state_.MemoryValue = 0;
            DoOperation(Operation::ClearAll);
            EnableUndo(false);
            ports_.tape.ClearAll();
            return;
        case KeyRole::UndoLast:
            // A disabled key gets no clicks; undo exists only after a snapshot.
            if (state_.UndoAvailable) {
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
    if (state_.ErrorState && !row.passesErrorLock) {
        ErrorBeep();
        return true;
    }
    return false;
}

void Calculator::SelectRoundOption(int index) {
    if (index < 0 || index >= RoundOption::Count || index == state_.SelectedOption) {
        return;
    }
    state_.SelectedOption = index;
    ports_.showSelectedOption(index);
    ReshowEntry();
}

void Calculator::SetTapeVisible(bool visible) {
    state_.TapeVisible = visible;
    ports_.showTape(visible);
}

int Calculator::GetRoundOption() const {
    return state_.SelectedOption < 0 ? RoundOption::Integer : state_.SelectedOption;
}

void Calculator::Restore(const EngineState& state, const std::string& display,
                         std::uint32_t color) {
    const bool tapeVisible = state_.TapeVisible;
    state_ = state;
    state_.TapeVisible = tapeVisible;
    state_.TimerArmed = false;
    ports_.setBlinkInterval(0);
    ports_.display.SetCaption(state.TimerArmed ? state.PendingCaption : display);
    ports_.display.SetForeColor(color);
    if (state_.SelectedOption >= 0) {
        ports_.showSelectedOption(state_.SelectedOption);
    }
    ports_.showUndoAvailable(state_.UndoAvailable);
}

void Calculator::ReplaceEntry(const std::string& text) {
    if (text == state_.EntryText) {
        return;
    }
    try {
        const double value = ShowEntry(text);
        state_.EntryText = text;
        state_.EntryValue = value;
        state_.LastValue = value;
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
