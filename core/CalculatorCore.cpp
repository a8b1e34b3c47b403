#include "CalculatorCore.h"

#include <utility>

#include "BusinessTexts.h"

namespace reckora {

CalculatorCore::CalculatorCore(CorePorts ports)
    : ports_(std::move(ports)),
      locale_(ports_.readLocale()),
      tape_(std::make_unique<CalcTape>(lines_, ports_.tapeSurface, ports_.tapeScrollBar,
                                       ports_.giveFocusToMainWindow, ports_.printing)),
      engineTape_(std::make_unique<EngineTape>(lines_, *tape_)),
      calculator_(std::make_unique<Calculator>(
          EnginePorts{ports_.display, ports_.memory, ports_.counter, ports_.clipboard, *engineTape_,
                      ports_.showSelectedOption, ports_.setBlinkInterval, ports_.showUndoAvailable,
                      ports_.beep, [this](bool visible) { binding_->Layout().ShowTape(visible); },
                      [this](Refusal reason) { Explain(reason); }},
          locale_)) {
    work_ = std::make_unique<reckora::TapeWork>(
        TapeWorkParts{ports_, locale_, lines_, *tape_, *calculator_, runner_,
                      [this] { return CurrentState(); }, [this] { kept_->KeepEntryLog(); }});
    kept_ = std::make_unique<reckora::KeptTapes>(
        ports_, locale_, lines_, *tape_,
        TapeInUse{[this] { return CurrentState(); },
                  [this](KeptTape kept) {
                      work_->ShowKept(std::move(kept));
                      binding_->ShowEngineState();
                  },
                  [this] { work_->SheetOpened(); },
                  [this]() -> const std::optional<EntryLog>& { return work_->Log(); }});
    binding_ = std::make_unique<WindowBinding>(
        WindowBindingParts{ports_, locale_, *tape_, *calculator_, runner_, *work_, *kept_});
    runner_.Follow(lines_);
    // In this order: the announcer and the entry log, the keeper, the window's title.
    work_->Listen();
    kept_->Listen(runner_);
    binding_->Start();
    kept_->Start(ports_.bringBackTapeLater);
    if (ports_.requestNumLockOn) {
        ports_.requestNumLockOn();
    }
}

CalculatorCore::~CalculatorCore() = default;

// A refusal is said inside the window: it comes in the middle of typing.
void CalculatorCore::Explain(Refusal reason) {
    const std::string text = RefusalText(reason);
    if (ports_.showNotice) {
        ports_.showNotice(TapeNotice{NoticeSeverity::Warning, text});
    } else if (ports_.showMessage) {
        ports_.showMessage(text);
    }
}

void CalculatorCore::SelectOption(RoundingOption option) {
    runner_.Run(ChooseOption{option});
}

void CalculatorCore::OnBlinkTimeout() {
    calculator_->OnBlinkTimeout();
}

SavedState CalculatorCore::CurrentState() const {
    return {calculator_->State(), calculator_->Shown()};
}

}  // namespace reckora
