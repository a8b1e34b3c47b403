#include "CalculatorCore.h"

#include <utility>

#include "Failure.h"

namespace reckora {

namespace {

const ControlId TapeControl{"CalcTape1", -1};

}  // namespace

// The window as the layout sees it, with the tape control's font size going to the tape, which
// measures its lines again and sizes its scroll bar for it.
class CalculatorCore::TapeFontWindow : public WindowModel {
public:
    TapeFontWindow(WindowModel& window, CalcTape& tape) : window_(window), tape_(tape) {}

    double TwipsPerPixelX() const override { return window_.TwipsPerPixelX(); }
    double TwipsPerPixelY() const override { return window_.TwipsPerPixelY(); }
    std::vector<ControlId> Controls() const override { return window_.Controls(); }
    float Property(ControlId control, ControlProperty property) const override {
        if (IsTapeFont(control, property)) {
            return tape_.FontSize();
        }
        return window_.Property(control, property);
    }
    void SetProperty(ControlId control, ControlProperty property, float value) override {
        if (IsTapeFont(control, property)) {
            tape_.SetFontSize(value);
            return;
        }
        window_.SetProperty(control, property, value);
    }
    void SetFontName(ControlId control, std::string_view face) override {
        window_.SetFontName(control, face);
    }
    float Width() const override { return window_.Width(); }
    float Height() const override { return window_.Height(); }
    void SetWidth(float twips) override { window_.SetWidth(twips); }
    void SetHeight(float twips) override { window_.SetHeight(twips); }
    float ClientWidth() const override { return window_.ClientWidth(); }
    float ClientHeight() const override { return window_.ClientHeight(); }
    void SetTapeVisible(bool visible) override { window_.SetTapeVisible(visible); }
    void SetMenuChecked(std::string_view entry, bool checked) override {
        window_.SetMenuChecked(entry, checked);
    }

private:
    static bool IsTapeFont(ControlId control, ControlProperty property) {
        return property == ControlProperty::FontSize && control.name == TapeControl.name &&
               control.index == TapeControl.index;
    }

    WindowModel& window_;
    CalcTape& tape_;
};

CalculatorCore::CalculatorCore(CorePorts ports)
    : ports_(std::move(ports)),
      locale_(ports_.readLocale()),
      faces_(ports_.showKeyFace),
      tape_(std::make_unique<CalcTape>(ports_.tapeSurface, ports_.tapeScrollBar,
                                       ports_.giveFocusToMainWindow, ports_.printing)),
      window_(std::make_unique<TapeFontWindow>(ports_.window, *tape_)),
      layout_(*window_),
      calculator_(std::make_unique<Calculator>(
          EnginePorts{ports_.display, ports_.memory, ports_.counter, ports_.clipboard, *tape_,
                      ports_.showSelectedOption, ports_.setBlinkInterval, ports_.showUndoAvailable,
                      ports_.beep, [this](bool visible) { layout_.ShowTape(visible); }},
          locale_)),
      keyboard_(KeyboardActions{
                    [this](Key key) { calculator_->Press(key); },
                    [this] { return calculator_->IsUndoEnabled(); },
                    [this](int option) { calculator_->SelectRoundOption(option); },
                    [this] { tape_->PageUp(); },
                    [this] { tape_->PageDown(); },
                    ports_.ask,
                    ports_.closeWindow,
                },
                faces_, locale_.DecimalSep == "," ? CommaKey::DecimalSeparator : CommaKey::Inert),
      settings_(SettingsPorts{ports_.store, ports_.placement, *this, *this}, locale_.DecimalSep) {
    layout_.ScaleForScreen();
    settings_.Load();
    if (ports_.restoreAtStart) {
        ports_.restoreAtStart(*this);
    }
    if (ports_.requestNumLockOn) {
        ports_.requestNumLockOn();
    }
}

CalculatorCore::~CalculatorCore() = default;

void CalculatorCore::ClickKey(int number) {
    calculator_->PressNumber(number);
    Done();
}

bool CalculatorCore::KeyEnabled(Key key) const {
    return key != Key::Undo || calculator_->IsUndoEnabled();
}

void CalculatorCore::MouseDown(int number) {
    if (const std::optional<Key> key = KeyAt(number); key && KeyEnabled(*key)) {
        faces_.Press(*key);
    }
}

void CalculatorCore::MouseUp(int number) {
    if (const std::optional<Key> key = KeyAt(number); key && KeyEnabled(*key)) {
        faces_.Rest(*key);
    }
}

void CalculatorCore::KeyDown(int code, int modifiers) {
    keyboard_.KeyDown(code, modifiers);
    Done();
}

void CalculatorCore::KeyUp(int code) {
    keyboard_.KeyUp(code);
}

bool CalculatorCore::HandlesKey(int code, int modifiers) const {
    return keyboard_.Handles(code, modifiers);
}

void CalculatorCore::FocusLost() {
    keyboard_.FocusLost();
}

void CalculatorCore::SelectOption(int option) {
    calculator_->SelectRoundOption(option);
    Done();
}

void CalculatorCore::OnBlinkTimeout() {
    calculator_->OnBlinkTimeout();
}

void CalculatorCore::OnWindowResize() {
    layout_.FitToSize();
}

void CalculatorCore::OnTapeResize() {
    tape_->OnResize();
}

bool CalculatorCore::MenuEntryEnabled(std::string_view name) const {
    const std::optional<MenuEntry> entry = FindMenuEntry(name);
    if (!entry) {
        return false;
    }
    if (entry->action.key) {
        return KeyEnabled(*entry->action.key);
    }
    return entry->enabled;
}

bool CalculatorCore::RunMenu(std::string_view name) {
    const std::optional<MenuEntry> entry = FindMenuEntry(name);
    if (!entry) {
        return false;
    }
    if (MenuEntryEnabled(name)) {
        RunMenuAction(entry->action);
    }
    return true;
}

// Key entries click their key without showing its face pressed.
void CalculatorCore::RunMenuAction(const MenuAction& action) {
    if (action.key) {
        calculator_->Press(*action.key);
        Done();
        return;
    }
    switch (action.window) {
        case WindowCommand::None:
            return;
        case WindowCommand::Exit:
            // No question and nothing saved: only the Escape key asks first.
            ports_.closeWindow();
            return;
        case WindowCommand::AlwaysOnTop:
            ToggleAlwaysOnTop();
            break;
        case WindowCommand::SaveSettings:
            settings_.Save();
            break;
        case WindowCommand::RestoreDefault:
            RestoreDefaults();
            break;
        case WindowCommand::About:
            ports_.showAbout();
            return;
    }
    Done();
}

// The tick is the state; the store is only written by Save Settings.
void CalculatorCore::ToggleAlwaysOnTop() {
    SetOnTopChecked(!onTop_);
    SetAlwaysOnTop(onTop_);
}

void CalculatorCore::RestoreDefaults() {
    SettingsValues defaults;
    defaults.WindowHeight = 0;
    defaults.WindowTop = 0;
    defaults.WindowLeft = 0;
    settings_.Apply(defaults);
    layout_.SetStandardHeight();
}

int CalculatorCore::GetRoundOption() const {
    return calculator_->GetRoundOption();
}

void CalculatorCore::SelectRoundOption(int option) {
    calculator_->SelectRoundOption(option);
}

bool CalculatorCore::TapeVisible() const {
    return calculator_->State().TapeVisible;
}

void CalculatorCore::SetTapeVisible(bool visible) {
    calculator_->SetTapeVisible(visible);
}

void CalculatorCore::SetOnTopChecked(bool checked) {
    onTop_ = checked;
    try {
        window_->SetMenuChecked(OnTopMenuEntry, checked);
    } catch (const Failure&) {
        // A window without the entry still has the state.
    }
}

void CalculatorCore::SetAlwaysOnTop(bool onTop) {
    ports_.setAlwaysOnTop(onTop);
}

void CalculatorCore::Done() {
    if (commandDone_) {
        commandDone_();
    }
}

}  // namespace reckora
