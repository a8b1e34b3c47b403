#include "WindowBinding.h"

#include <array>
#include <utility>

#include "BusinessKeyTable.h"
#include "BusinessTexts.h"
#include "Failure.h"
#include "TaxRateQuestion.h"

namespace reckora {

namespace {

const ControlId TapeControl{"CalcTape1", -1};

// The rounding directions' entries, in the order of RoundingDirection.
constexpr std::array<MenuId, 4> RoundingEntries{MenuId::RoundDesigned, MenuId::RoundHalfUp,
                                                MenuId::RoundUp, MenuId::RoundDown};

std::string WithNumber(std::string pattern, const std::string& number) {
    if (const std::size_t at = pattern.find("%1"); at != std::string::npos) {
        pattern.replace(at, 2, number);
    }
    return pattern;
}

}  // namespace

// The window as the layout sees it, with the tape control's font size going to the tape, which
// measures its lines again and sizes its scroll bar for it.
class WindowBinding::TapeFontWindow : public WindowModel {
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
    void SetBusinessRowVisible(bool visible) override { window_.SetBusinessRowVisible(visible); }
    void SetMenuChecked(MenuId entry, bool checked) override {
        window_.SetMenuChecked(entry, checked);
    }
    void SetMenuCaption(MenuId entry, const std::string& caption) override {
        window_.SetMenuCaption(entry, caption);
    }
    void SetGrandTotalLabel(const std::string& text) override { window_.SetGrandTotalLabel(text); }

private:
    static bool IsTapeFont(ControlId control, ControlProperty property) {
        return property == ControlProperty::FontSize && control.name == TapeControl.name &&
               control.index == TapeControl.index;
    }

    WindowModel& window_;
    CalcTape& tape_;
};

WindowBinding::WindowBinding(WindowBindingParts parts)
    : ports_(parts.ports),
      locale_(parts.locale),
      tape_(parts.tape),
      engine_(parts.engine),
      runner_(parts.runner),
      work_(parts.work),
      kept_(parts.kept),
      faces_(ports_.showKeyFace),
      window_(std::make_unique<TapeFontWindow>(ports_.window, tape_)),
      layout_(*window_),
      keyboard_(KeyboardActions{
                    [this](Key key) { Click(key); },
                    [this] { return KeyEnabled(Key::Undo); },
                    [this](RoundingOption option) { runner_.Run(ChooseOption{option}); },
                    [this] { tape_.PageUp(); },
                    [this] { tape_.PageDown(); },
                    ports_.ask,
                    ports_.closeWindow,
                    [this](MenuId menu) { RunMenu(menu); },
                    [this](int step) { work_.MoveSelection(step); },
                },
                faces_,
                parts.locale.decimalSep == "," ? CommaKey::DecimalSeparator : CommaKey::Inert),
      settings_(SettingsPorts{ports_.store, ports_.placement, *this, *this},
                parts.locale.decimalSep) {}

WindowBinding::~WindowBinding() = default;

void WindowBinding::Start() {
    runner_.Listen([this](const CommandOutcome&) { ShowEngineState(); });
    layout_.ScaleForScreen();
    settings_.Load();
}

void WindowBinding::ShowEngineState() {
    const std::string shown = GrandTotalShown(engine_.State(), locale_);
    if (shown != grandTotalShown_) {
        grandTotalShown_ = shown;
        const bool zero = shown.empty();
        try {
            window_->SetMenuCaption(MenuId::GrandTotal,
                                    zero ? Translated(MenuRow(MenuId::GrandTotal).caption.data())
                                         : WithNumber(Translated(GrandTotalEntryText), shown));
            window_->SetGrandTotalLabel(zero ? std::string()
                                             : WithNumber(Translated(GrandTotalLabelText), shown));
        } catch (const Failure&) {
            // A window without the entry or the label still has the register.
        }
    }
    const RoundingDirection direction = engine_.State().roundingDirection;
    if (direction != directionShown_) {
        directionShown_ = direction;
        for (std::size_t at = 0; at < RoundingEntries.size(); ++at) {
            SetMenuTick(RoundingEntries[at], static_cast<RoundingDirection>(at) == direction);
        }
    }
}

std::string WindowBinding::Translated(const char* text) const {
    return ports_.userText ? ports_.userText(text) : std::string(text);
}

std::optional<Key> WindowBinding::FaceAt(int number) const {
    if (const std::optional<Key> key = KeyAt(number)) {
        return key;
    }
    if (layout_.BusinessKeysShown()) {
        return AnyKeyAt(number);
    }
    return std::nullopt;
}

void WindowBinding::ClickKey(int number) {
    if (const std::optional<Key> key = FaceAt(number)) {
        Click(*key);
    } else {
        runner_.Run(PressFace{number});
    }
}

// Paste reads the clipboard once.
void WindowBinding::Click(Key key) {
    if (key == Key::Paste) {
        runner_.Run(PasteEntry{ports_.clipboard.Text()});
    } else {
        runner_.Run(PressKey{key});
    }
}

bool WindowBinding::KeyEnabled(Key key) const {
    return key != Key::Undo || engine_.IsUndoEnabled() || work_.CorrectionUndoable();
}

void WindowBinding::MouseDown(int number) {
    if (const std::optional<Key> key = FaceAt(number); key && KeyEnabled(*key)) {
        faces_.Press(*key);
    }
}

void WindowBinding::MouseUp(int number) {
    if (const std::optional<Key> key = FaceAt(number); key && KeyEnabled(*key)) {
        faces_.Rest(*key);
    }
}

void WindowBinding::KeyDown(int code, int modifiers) {
    if (work_.SelectionKey(code, modifiers)) {
        return;
    }
    keyboard_.KeyDown(code, modifiers);
}

void WindowBinding::KeyUp(int code) {
    keyboard_.KeyUp(code);
}

bool WindowBinding::HandlesKey(int code, int modifiers) const {
    return keyboard_.Handles(code, modifiers);
}

void WindowBinding::FocusLost() {
    keyboard_.FocusLost();
}

void WindowBinding::OnWindowResize() {
    layout_.FitToSize();
}

void WindowBinding::OnTapeResize() {
    tape_.OnResize();
}

bool WindowBinding::MenuEntryEnabled(MenuId id) const {
    const MenuEntry& entry = MenuRow(id);
    switch (entry.availability) {
        case MenuAvailability::Designed:
            return entry.enabled;
        case MenuAvailability::FollowsKey:
            return KeyEnabled(*entry.action.key);
        case MenuAvailability::SelectedLine:
            return work_.SelectedLine() != 0;
    }
    return false;
}

void WindowBinding::RunMenu(MenuId id) {
    if (MenuEntryEnabled(id)) {
        RunMenuAction(MenuRow(id).action);
    }
}

// Key entries click their key without showing its face pressed.
void WindowBinding::RunMenuAction(const MenuAction& action) {
    if (action.key) {
        Click(*action.key);
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
            kept_.SaveTapeAs();
            return;
        case WindowCommand::TapeHistory:
            if (ports_.showTapeHistory) {
                ports_.showTapeHistory();
            }
            return;
        case WindowCommand::CopyTape:
            ports_.clipboard.Clear();
            ports_.clipboard.SetText(kept_.TapeText());
            return;
        case WindowCommand::KeepTape:
            SetKeepTape(!kept_.KeepTape());
            break;
        case WindowCommand::CorrectEntry:
            work_.AskCorrection();
            return;
        case WindowCommand::Note:
            work_.AskNote();
            return;
        case WindowCommand::Find:
            if (ports_.showFind) {
                ports_.showFind();
            }
            return;
        case WindowCommand::PasteColumn:
            work_.AskPasteColumn();
            return;
        case WindowCommand::BusinessKeys:
            ShowBusinessKeys(!layout_.BusinessKeysShown());
            break;
        case WindowCommand::TaxRate:
            AskTaxRate();
            return;
        case WindowCommand::Rounding:
            SetRounding(action.rounding);
            return;
    }
    runner_.Run(NoteSettings{});
}

// The tick is the state; the store is only written by Save Settings.
void WindowBinding::ToggleAlwaysOnTop() {
    SetOnTopChecked(!onTop_);
    SetAlwaysOnTop(onTop_);
}

// The tax rate is the office's, not a look of the window: Restore Default leaves it.
void WindowBinding::RestoreDefaults() {
    SettingsValues defaults;
    defaults.taxRate = engine_.State().taxRate;
    defaults.windowHeight = 0;
    defaults.windowTop = 0;
    defaults.windowLeft = 0;
    settings_.Apply(defaults);
    layout_.SetStandardHeight();
}

void WindowBinding::AskTaxRate() {
    if (!ports_.askText) {
        return;
    }
    ports_.askText(
        TextRequest{.title = TaxRateTitle,
                    .prompt = TaxRatePrompt,
                    .initial = TaxRateShown(engine_.State().taxRate, locale_),
                    .apply = [this](const std::string& text) -> std::optional<std::string> {
                        const std::variant<double, const char*> rate = ReadTaxRate(text, locale_);
                        if (const char* const* refusal = std::get_if<const char*>(&rate)) {
                            return std::string(*refusal);
                        }
                        SetTaxRate(std::get<double>(rate));
                        return std::nullopt;
                    }});
}

double WindowBinding::TaxRate() const {
    return engine_.State().taxRate;
}

// Through the runner, so that the kept tape's journal has it; an unchanged value is no command.
void WindowBinding::SetTaxRate(double percent) {
    if (percent != engine_.State().taxRate) {
        runner_.Run(ChooseTaxRate{percent});
    }
}

RoundingDirection WindowBinding::Rounding() const {
    return engine_.State().roundingDirection;
}

void WindowBinding::SetRounding(RoundingDirection direction) {
    if (direction != engine_.State().roundingDirection) {
        runner_.Run(ChooseRoundingDirection{direction});
    }
    // A click on the ticked entry leaves the ticks as they are.
    SetMenuTick(RoundingEntries[static_cast<std::size_t>(direction)], true);
}

void WindowBinding::ShowBusinessKeys(bool shown) {
    layout_.ShowBusinessKeys(shown);
    faces_.ShowBusinessFaces(shown);
}

RoundingOption WindowBinding::GetRoundingOption() const {
    return engine_.GetRoundingOption();
}

void WindowBinding::SelectRoundingOption(RoundingOption option) {
    engine_.SelectRoundingOption(option);
}

bool WindowBinding::TapeVisible() const {
    return engine_.State().tapeVisible;
}

void WindowBinding::SetTapeVisible(bool visible) {
    engine_.SetTapeVisible(visible);
}

void WindowBinding::SetOnTopChecked(bool checked) {
    onTop_ = checked;
    SetMenuTick(MenuId::AlwaysOnTop, checked);
}

void WindowBinding::SetMenuTick(MenuId entry, bool checked) {
    try {
        window_->SetMenuChecked(entry, checked);
    } catch (const Failure&) {
        // A window without the entry still has the state.
    }
}

void WindowBinding::SetAlwaysOnTop(bool onTop) {
    ports_.setAlwaysOnTop(onTop);
}

void WindowBinding::SetKeepTape(bool keep) {
    SetMenuTick(MenuId::KeepTape, keep);
    kept_.SetKeepTape(keep);
}

}  // namespace reckora
