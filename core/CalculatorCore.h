#pragma once
// The calculator without its window: the engine, the paper tape and the labels, built and started
// in one place with its three parts: the window's keys, layout, menus and settings
// (WindowBinding), the work on the tape in use (TapeWork) and the kept tapes (KeptTapes). The Qt
// program and the key-script harness each own one and only adapt it: they hand in their window's
// parts (CorePorts) and call the parts directly; only the option clicks and the display's blink
// timer reach the core itself.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CalcTape.h"
#include "Calculator.h"
#include "CommandRunner.h"
#include "CorePorts.h"
#include "EngineTape.h"
#include "Journal.h"
#include "KeptTapes.h"
#include "StateText.h"
#include "StoreRecords.h"
#include "TapeKeeper.h"
#include "TapeRequests.h"
#include "TapeWork.h"
#include "WindowBinding.h"

namespace reckora {

class CalculatorCore final : private CommandTarget {
public:
    // Starts the calculator in this order: the locale is read, the engine created (memory label
    // "0" + separator + blank, entry "0"), the window scaled for the screen, the stored settings
    // applied, the kept tape brought back (with a store path and Keep Tape ticked, unless the
    // owner brings it back later), NumLock requested.
    // The separator comes before the entry and the entry before the settings select the rounding
    // option, which re-shows the entry with that separator.
    explicit CalculatorCore(CorePorts ports);
    ~CalculatorCore();
    CalculatorCore(const CalculatorCore&) = delete;
    CalculatorCore& operator=(const CalculatorCore&) = delete;

    // A click on rounding/input option `option`.
    void SelectOption(RoundingOption option);
    // Any command, through the one runner (a setting chosen in a dialog, a test's command).
    CommandOutcome Run(const CalcCommand& command) { return runner_.Run(command); }
    // The display's blink timer fired.
    void OnBlinkTimeout();
    // The state the kept tape holds after each command.
    SavedState CurrentState() const;

    const NumberLocale& Locale() const { return locale_; }
    Calculator& Engine() override { return *calculator_; }
    const Calculator& Engine() const { return *calculator_; }
    // The tape's lines, and their drawing.
    const TapeModel& Lines() const { return lines_; }
    CalcTape& Tape() { return *tape_; }
    const CalcTape& Tape() const { return *tape_; }
    // The parts.
    reckora::KeptTapes& KeptTapes() { return *kept_; }
    const reckora::KeptTapes& KeptTapes() const { return *kept_; }
    reckora::TapeWork& TapeWork() { return *work_; }
    const reckora::TapeWork& TapeWork() const { return *work_; }
    WindowBinding& Window() { return *binding_; }
    const WindowBinding& Window() const { return *binding_; }

private:
    // CommandTarget, for the runner.
    std::int32_t LinesInForce() const override { return lines_.CurrentLine(); }
    SavedState State() const override { return CurrentState(); }
    void BeforeKey() override { work_->BeforeKey(); }
    void Explain(Refusal reason);

    CorePorts ports_;
    NumberLocale locale_;
    TapeModel lines_;
    std::unique_ptr<CalcTape> tape_;
    std::unique_ptr<EngineTape> engineTape_;
    std::unique_ptr<Calculator> calculator_;
    std::unique_ptr<reckora::TapeWork> work_;
    std::unique_ptr<reckora::KeptTapes> kept_;
    std::unique_ptr<WindowBinding> binding_;

    // Every command runs here: keys, menu keys, options, pastes and the work on the tape.
    CommandRunner runner_{*this, RunnerUse::Live};
};

}  // namespace reckora
