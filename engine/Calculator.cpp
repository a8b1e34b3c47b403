#include "Calculator.h"

#include <utility>

#include "KeyCommand.h"
#include "OperationCode.h"

namespace reckora {

Calculator::Calculator(const EnginePorts& ports, NumberLocale locale)
    : ports_(ports), locale_(std::move(locale)) {
    ports_.memory.SetCaption("0" + locale_.DecimalSep + " ");
    state_.EntryText = "0";
}

void Calculator::theButton_Click(int index) {
    const bool passesLock =
        index == KeyCommand::ClearAll || index == KeyCommand::New || index == KeyCommand::Undo;
    if (state_.ErrorState && !passesLock) {
        ErrorBeep();
        return;
    }
    if (index >= KeyCommand::Digit0 && index <= 9) {
        AddToEntry(std::string(1, static_cast<char>('0' + index)));
        return;
    }
    switch (index) {
        case KeyCommand::ClearAll:
        case KeyCommand::MemoryClear:
        case KeyCommand::Clear:
            DoOperation(index);
            return;
        case KeyCommand::Backspace:
            DropLastChar();
            if (state_.EntryText.ends_with(locale_.DecimalSep)) {
                DropLastChar();
            }
            AddToEntry("");
            return;
        case KeyCommand::Copy:
            CopyDisplay();
            return;
        case KeyCommand::Paste:
            PasteNumber();
            return;
        case KeyCommand::ShowHideTape:
            SetTapeVisible(!state_.TapeVisible);
            return;
        case KeyCommand::DoubleZero:
            AddToEntry("00");
            return;
        case KeyCommand::DecimalSeparator:
            AddToEntry(locale_.DecimalSep);
            return;
        case KeyCommand::PrintTape:
            ports_.tape.PrintContent();
            return;
        case KeyCommand::New:
            state_.MemoryValue = 0;
            DoOperation(OpClearAll);
            EnableUndo(false);
            ports_.tape.ClearAll();
            return;
        case KeyCommand::Undo:
            // A disabled key gets no clicks; undo exists only after a snapshot.
            if (state_.UndoAvailable) {
                UndoLast();
            }
            return;
        default:
            if (index >= KeyCommand::Subtract && index <= KeyCommand::MemoryAdd) {
                DoOperation(index - KeyCommand::Subtract + OpSubtract);
            }
            return;
    }
}

void Calculator::SelectRoundOption(int index) {
    if (index < 0 || index >= RoundOption::Count || index == state_.SelectedOption) {
        return;
    }
    state_.SelectedOption = index;
    ports_.options.ShowSelected(index);
    RoundOpt_Click();
}

void Calculator::SetTapeVisible(bool visible) {
    state_.TapeVisible = visible;
    ports_.layout.ShowHideTape(visible);
}

int Calculator::GetRoundOption() const {
    return state_.SelectedOption < 0 ? RoundOption::Integer : state_.SelectedOption;
}

void Calculator::ErrorBeep() {
    ports_.beeper.Beep(5000, 5);
    ports_.beeper.Beep(3000, 5);
    ports_.beeper.Beep(4000, 5);
}

}  // namespace reckora
