#pragma once
// Lets the keyboard mapping, the menus and the settings reach the calculator engine through
// their small interfaces.

#include "Calculator.h"
#include "InputPorts.h"
#include "SettingsPorts.h"

namespace reckora {

class CalculatorAdapter : public KeyCommandTarget, public CalculatorOptions {
public:
    explicit CalculatorAdapter(Calculator& calculator) : calculator_(calculator) {}

    void theButton_Click(int index) override { calculator_.theButton_Click(index); }
    bool IsUndoEnabled() const override { return calculator_.IsUndoEnabled(); }
    void SelectRoundOption(int option) override { calculator_.SelectRoundOption(option); }
    int GetRoundOption() const override { return calculator_.GetRoundOption(); }
    bool TapeVisible() const override { return calculator_.State().TapeVisible; }
    void SetTapeVisible(bool visible) override { calculator_.SetTapeVisible(visible); }

private:
    Calculator& calculator_;
};

}  // namespace reckora
