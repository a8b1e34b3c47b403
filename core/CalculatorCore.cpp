#include "CalculatorCore.h"

#include <utility>

#include "Failure.h"

namespace reckora {

namespace {

const ControlId TapeControl{"CalcTape1", -1};
// The counter's caption as the window is designed, before the engine first writes it.
constexpr char DesignedCounterCaption[] = "0 ";
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
    void SetMenuChecked(MenuId entry, bool checked) override {
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
      display_(ports_.display),
      memory_(ports_.memory, ""),
      counter_(ports_.counter, DesignedCounterCaption),
      faces_(ports_.showKeyFace),
      tape_(std::make_unique<CalcTape>(ports_.tapeSurface, ports_.tapeScrollBar,
                                       ports_.giveFocusToMainWindow, ports_.printing)),
      window_(std::make_unique<TapeFontWindow>(ports_.window, *tape_)),
      layout_(*window_),
      calculator_(std::make_unique<Calculator>(
          EnginePorts{display_, memory_, counter_, ports_.clipboard, *tape_,
                      ports_.showSelectedOption, ports_.setBlinkInterval, ports_.showUndoAvailable,
                      ports_.beep, [this](bool visible) { layout_.ShowTape(visible); }},
          locale_)),
      keyboard_(KeyboardActions{
                    [this](Key key) { Press(key); },
                    [this] { return KeyEnabled(Key::Undo); },
                    [this](int option) { runner_.Run(ChooseOption{option}); },
                    [this] { tape_->PageUp(); },
                    [this] { tape_->PageDown(); },
                    ports_.ask,
                    ports_.closeWindow,
                    [this](MenuId menu) { RunMenu(menu); },
                    [this](int step) { work_->MoveSelection(step); },
                },
                faces_, locale_.DecimalSep == "," ? CommaKey::DecimalSeparator : CommaKey::Inert),
      settings_(SettingsPorts{ports_.store, ports_.placement, *this, *this}, locale_.DecimalSep) {
    work_ = std::make_unique<reckora::TapeWork>(TapeWorkParts{
        ports_, locale_, *tape_, *calculator_, memory_, counter_, runner_,
        [this] { return CurrentState(); }, [this] { return kept_->CurrentJournal(); }});
    kept_ = std::make_unique<reckora::KeptTapes>(
        ports_, locale_, *tape_,
        TapeInUse{[this] { return CurrentState(); },
                  [this](const KeptTape& kept) { work_->ShowKept(kept); },
                  [this] { work_->SheetOpened(); }});
    // In this order: the announcer and the entry log, the keeper, the window's title.
    work_->Listen();
    kept_->Listen(runner_);
    layout_.ScaleForScreen();
    settings_.Load();
    kept_->Start(ports_.bringBackTapeLater);
    if (ports_.requestNumLockOn) {
        ports_.requestNumLockOn();
    }
}

CalculatorCore::~CalculatorCore() = default;

void CalculatorCore::ClickKey(int number) {
    if (const std::optional<Key> key = KeyAt(number)) {
        Press(*key);
    } else {
        runner_.Run(PressFace{number});
    }
}

void CalculatorCore::Press(Key key) {
    if (key == Key::Paste) {
        runner_.Run(PasteEntry{ports_.clipboard.Text()});
    } else {
        runner_.Run(PressKey{key});
    }
}

bool CalculatorCore::KeyEnabled(Key key) const {
    return key != Key::Undo || calculator_->IsUndoEnabled() || work_->CorrectionUndoable();
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
    if (work_->SelectionKey(code, modifiers)) {
        return;
    }
    keyboard_.KeyDown(code, modifiers);
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
    runner_.Run(ChooseOption{option});
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

bool CalculatorCore::MenuEntryEnabled(MenuId id) const {
    const MenuEntry& entry = MenuRow(id);
    switch (entry.availability) {
        case MenuAvailability::Designed:
            return entry.enabled;
        case MenuAvailability::FollowsKey:
            return KeyEnabled(*entry.action.key);
        case MenuAvailability::SelectedLine:
            return work_->SelectedLine() != 0;
    }
    return false;
}

void CalculatorCore::RunMenu(MenuId id) {
    if (MenuEntryEnabled(id)) {
        RunMenuAction(MenuRow(id).action);
    }
}

// Key entries click their key without showing its face pressed.
void CalculatorCore::RunMenuAction(const MenuAction& action) {
    if (action.key) {
        Press(*action.key);
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
        case WindowCommand::SaveTapeAs:
            kept_->SaveTapeAs();
            return;
        case WindowCommand::TapeHistory:
            if (ports_.showTapeHistory) {
                ports_.showTapeHistory();
            }
            return;
        case WindowCommand::CopyTape:
            ports_.clipboard.Clear();
            ports_.clipboard.SetText(kept_->TapeText());
            return;
        case WindowCommand::KeepTape:
            SetKeepTape(!kept_->KeepTape());
            break;
        case WindowCommand::CorrectEntry:
            work_->AskCorrection();
            return;
        case WindowCommand::Note:
            work_->AskNote();
            return;
        case WindowCommand::Find:
            if (ports_.showFind) {
                ports_.showFind();
            }
            return;
        case WindowCommand::PasteColumn:
            work_->AskPasteColumn();
            return;
    }
    runner_.Run(NoteSettings{});
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
        window_->SetMenuChecked(MenuId::AlwaysOnTop, checked);
    } catch (const Failure&) {
        // A window without the entry still has the state.
    }
}

void CalculatorCore::SetAlwaysOnTop(bool onTop) {
    ports_.setAlwaysOnTop(onTop);
}

void CalculatorCore::SetKeepTape(bool keep) {
    try {
        window_->SetMenuChecked(MenuId::KeepTape, keep);
    } catch (const Failure&) {
        // A window without the entry still has the state.
    }
    kept_->SetKeepTape(keep);
}

SavedState CalculatorCore::CurrentState() const {
    return {calculator_->State(),
            {display_.Caption(), display_.ForeColor(), memory_.Caption(), counter_.Caption()}};
}

}  // namespace reckora
