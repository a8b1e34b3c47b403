#pragma once
// The calculator engine: one entry for every key command (theButton_Click), the rounding
// options and the display timer, working on the state record through the window's ports.

#include <string>
#include <string_view>

#include "EnginePorts.h"
#include "EngineState.h"
#include "NumberLocale.h"

namespace reckora {

class Calculator {
public:
    // Creates the engine as the window's load handler leaves it before the settings are
    // applied: memory label "0" + separator + blank, entry "0", no option selected.
    Calculator(const EnginePorts& ports, NumberLocale locale);

    // The single entry of all key commands; any index, also out of range.
    void theButton_Click(int index);

    // Selects a rounding/input option as a click on its button does. Re-shows the entry
    // (RoundOpt_Click) unless the option was already selected; other indexes do nothing.
    void SelectRoundOption(int index);

    // Sets the tape state and lays the window out for it (start-up and Restore Default).
    void SetTapeVisible(bool visible);

    // The display timer fired.
    void Timer1_Timer();

    int GetRoundOption() const;
    bool IsUndoEnabled() const { return state_.UndoAvailable; }
    const EngineState& State() const { return state_; }
    const NumberLocale& Locale() const { return locale_; }

private:
    // Number entry.
    void AddToEntry(std::string_view text);
    void DropLastChar();
    // Shows an entry text; returns the value it stands for under the current option.
    double ShowEntry(const std::string& text);
    void PasteNumber();
    void ShowResult(double value);
    void CopyDisplay();
    void StopTimer();
    void RoundOpt_Click();

    // Operations.
    void DoOperation(int code);
    void RunOperation(int code);
    double Calculate(double a, double b, int code, bool applyRounding) const;
    double Rounded(double value) const;
    double RoundedResult(double value) const;
    double ChainResult() const;
    void AddTapeLine(double value, int code);
    void ShowMemory(double value);
    void ShowCounter();
    void EnterErrorState();

    // Undo.
    void TakeSnapshot();
    void EnableUndo(bool flag);
    void UndoLast();

    void ErrorBeep();

    EnginePorts ports_;
    NumberLocale locale_;
    EngineState state_;
};

}  // namespace reckora
