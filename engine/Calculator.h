#pragma once
// The calculator engine: one entry for every key, the rounding options and the display's blink
// timer, working on the state record through the window's ports.

#include <optional>
#include <string>
#include <string_view>

#include "EnginePorts.h"
#include "EngineState.h"
#include "KeyCommand.h"
#include "NumberLocale.h"
#include "ShownLabels.h"
#include "StateText.h"

namespace reckora {

class Calculator {
public:
    // Creates the engine as start-up leaves it before the settings are applied: memory label
    // "0" + separator + blank, entry "0", no option selected.
    Calculator(const EnginePorts& ports, NumberLocale locale);

    // A click on a key.
    void Press(Key key);
    // `text` enters as a paste of it: read as pasted text in the user's locale, its value is shown
    // and taken by the next operation; the error lock, a text that is no number and one the
    // display cannot show are refused with the three tones. The Paste key hands in the clipboard's
    // text; Paste Column, corrections and the journal's replay hand in their own.
    void PasteText(std::string_view text);
    // A key by its number on the window; a number without a key does nothing, except that the
    // error lock refuses it like any key it does not let through.
    void PressNumber(int number);

    // The tax rate in percent (0 turns the tax commands away) and the direction the fixed-decimal
    // options round in: settings that results depend on, kept in the state.
    void SetTaxRate(double percent);
    void SetRoundingDirection(RoundingDirection direction);

    // Selects a rounding/input option as a click on its button does. Re-shows the entry
    // unless the option was already selected.
    void SelectRoundingOption(RoundingOption option);

    // Sets the tape state and lays the window out for it (start-up and Restore Default).
    void SetTapeVisible(bool visible);

    // The display's blink timer fired: the waiting result appears.
    void OnBlinkTimeout();

    // Puts back a state kept after a completed command, with what the labels showed; a result
    // still waiting for the blink shows at once. The tape's visibility stays (it is a setting).
    void Restore(const EngineState& state, const ShownCaptions& shown);
    // What the display, memory and counter labels show, as the calculator last wrote them.
    ShownCaptions Shown() const { return shown_.Captions(); }
    // Makes `text` the typed entry, shown, unless it already is (replaying a journal, where a
    // command's entry may have been corrected). A text that is no entry is refused.
    void ReplaceEntry(const std::string& text);

    // The three refusal tones, for a refusal outside the keys (a correction of a computed line).
    void SignalRefusal() { ErrorBeep(); }
    // How many refusals (the three tones) there were so far.
    int RefusalCount() const { return refusals_; }

    // The selected option; Integer before one is selected.
    RoundingOption GetRoundingOption() const;
    bool IsUndoEnabled() const { return state_.undoAvailable; }
    const EngineState& State() const { return state_; }
    const NumberLocale& Locale() const { return locale_; }

private:
    // Number entry.
    void AddToEntry(std::string_view text);
    void DropLastChar();
    // Shows an entry text; returns the value it stands for under the current option.
    double ShowEntry(const std::string& text);
    void PasteNumber(std::string_view text);
    void ShowResult(double value);
    void CopyDisplay();
    void StopTimer();
    // The values a command left, which typing a number changes and a non-add number puts back.
    void NoteValuesBeforeTyping();
    void ReshowEntry();

    // Operations.
    void DoOperation(Operation operation);
    void RunOperation(Operation operation);
    double Rounded(double value) const;
    double RoundedResult(double value) const;
    double ChainResult() const;
    void AddTapeLine(double value, TapeMark mark, std::int32_t itemCount = 0);
    void AddToGrandTotal(double total);
    void ShowMemory(double value);
    // The business functions (BusinessOperations.cpp).
    std::optional<Refusal> BusinessRefusal(Operation operation) const;
    void RunBusinessOperation(Operation operation);
    void RunTax(bool add);
    void RunPrice(PriceFigure figure);
    double ShownValue() const;
    void Refuse(Refusal reason);
    void ShowCounter();
    void EnterErrorState();

    // Undo.
    void TakeSnapshot();
    void EnableUndo(bool flag);
    void UndoLast();

    // The error lock refuses a key that does not pass it, with the three tones.
    bool RefusedByLock(const KeyRow& row);
    void ErrorBeep();

    // Before ports_, whose labels are these.
    ShownLabels shown_;
    EnginePorts ports_;
    NumberLocale locale_;
    EngineState state_;
    int refusals_ = 0;
};

}  // namespace reckora
