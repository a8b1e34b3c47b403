#include "Calculator.h"

#include <utility>

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
    if (state_.ErrorState && !row.passesErrorLock) {
        ErrorBeep();
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
            PasteNumber();
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

void Calculator::ErrorBeep() {
    ports_.beep(5000, 5);
    ports_.beep(3000, 5);
    ports_.beep(4000, 5);
}

}  // namespace reckora
