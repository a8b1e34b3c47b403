#include "CalculatorCore.h"

#include <utility>

#include "BusinessTexts.h"

namespace reckora {

namespace {

// The counter's caption as the window is designed, before the engine first writes it.
constexpr char DesignedCounterCaption[] = "0 ";

}  // namespace

CalculatorCore::CalculatorCore(CorePorts ports)
    : ports_(std::move(ports)),
      locale_(ports_.readLocale()),
      display_(ports_.display),
      memory_(ports_.memory, ""),
      counter_(ports_.counter, DesignedCounterCaption),
      tape_(std::make_unique<CalcTape>(ports_.tapeSurface, ports_.tapeScrollBar,
                                       ports_.giveFocusToMainWindow, ports_.printing)),
      calculator_(std::make_unique<Calculator>(
          EnginePorts{display_, memory_, counter_, ports_.clipboard, *tape_,
                      ports_.showSelectedOption, ports_.setBlinkInterval, ports_.showUndoAvailable,
                      ports_.beep, [this](bool visible) { binding_->Layout().ShowTape(visible); },
                      [this](Refusal reason) { Explain(reason); }},
          locale_)) {
    work_ = std::make_unique<reckora::TapeWork>(TapeWorkParts{ports_, locale_, *tape_, *calculator_,
                                                              memory_, counter_, runner_,
                                                              [this] { return CurrentState(); }});
    kept_ = std::make_unique<reckora::KeptTapes>(
        ports_, locale_, *tape_,
        TapeInUse{[this] { return CurrentState(); },
                  [this](KeptTape kept) {
                      work_->ShowKept(std::move(kept));
                      binding_->ShowEngineState();
                  },
                  [this] { work_->SheetOpened(); },
                  [this]() -> const std::optional<EntryLog>& { return work_->Log(); }});
    binding_ = std::make_unique<WindowBinding>(
        WindowBindingParts{ports_, locale_, *tape_, *calculator_, runner_, *work_, *kept_});
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
    return {calculator_->State(),
            {display_.Caption(), display_.ForeColor(), memory_.Caption(), counter_.Caption()}};
}

}  // namespace reckora
