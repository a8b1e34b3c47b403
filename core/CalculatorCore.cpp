#include "CalculatorCore.h"

#include <chrono>
#include <cstring>
#include <utility>

#include "Failure.h"
#include "KeptForm.h"
#include "KeptSheetFile.h"
#include "NumberParse.h"
#include "SheetName.h"
#include "SheetNameTexts.h"
#include "StoreNotices.h"
#include "TapeExport.h"
#include "TapePdf.h"
#include "TapePrint.h"
#include "TapeTitle.h"
#include "TapeWorkTexts.h"
#include "WholeFile.h"

namespace reckora {

namespace {

const ControlId TapeControl{"CalcTape1", -1};
// The counter's caption as the window is designed, before the engine first writes it.
constexpr char DesignedCounterCaption[] = "0 ";

// The tape in force in its kept form, which the exports are written from.
std::vector<store::StoredLine> LinesInForce(const CalcTape& tape, const NumberLocale& locale) {
    const KeptForm form(locale);
    std::vector<store::StoredLine> lines;
    lines.reserve(static_cast<std::size_t>(tape.CurrentLine()));
    for (std::int32_t position = 1; position <= tape.CurrentLine(); ++position) {
        lines.push_back(form.Line(tape.Line(position), tape.Extras(position)));
    }
    return lines;
}

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
                    [this](int step) { MoveSelection(step); },
                },
                faces_, locale_.DecimalSep == "," ? CommaKey::DecimalSeparator : CommaKey::Inert),
      settings_(SettingsPorts{ports_.store, ports_.placement, *this, *this}, locale_.DecimalSep) {
    tape_->SetDocumentTitle([this] { return DocumentTitle(); });
    ListenToCommands();
    layout_.ScaleForScreen();
    settings_.Load();
    tapeDue_ = true;
    if (!ports_.bringBackTapeLater) {
        BringBackTape();
    }
    started_ = true;
    if (ports_.requestNumLockOn) {
        ports_.requestNumLockOn();
    }
}

CalculatorCore::~CalculatorCore() = default;

void CalculatorCore::BringBackTape() {
    if (std::exchange(tapeDue_, false) && keepTape_) {
        StartKeeping(true);
    }
}

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

void CalculatorCore::BeforeKey() {
    if (tape_->SelectedLine() != 0) {
        tape_->SelectLine(0);
    }
    if (!log_ && !logFromJournal_) {
        log_.emplace();
        log_->StartFrom(tape_->EntriesFrom(1), CurrentState());
    }
}

// In this order: the announcer and the entry log, the keeper, the window's title.
void CalculatorCore::ListenToCommands() {
    runner_.SetTapeWork(this);
    runner_.Listen([this](const CommandOutcome& outcome) { NoteTapeWork(outcome); });
    runner_.Listen([this](const CommandOutcome& outcome) { RecordCommand(outcome); });
    runner_.Listen([this](const CommandOutcome&) { ShowSheetName(); });
}

bool CalculatorCore::KeyEnabled(Key key) const {
    return key != Key::Undo || calculator_->IsUndoEnabled() || correctionUndo_;
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
    if (SelectionKey(code, modifiers)) {
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
            return SelectedLine() != 0;
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
            SaveTapeAs();
            return;
        case WindowCommand::TapeHistory:
            if (ports_.showTapeHistory) {
                ports_.showTapeHistory();
            }
            return;
        case WindowCommand::CopyTape:
            ports_.clipboard.Clear();
            ports_.clipboard.SetText(TapeText());
            return;
        case WindowCommand::KeepTape:
            SetKeepTape(!keepTape_);
            break;
        case WindowCommand::CorrectEntry:
            AskCorrection();
            return;
        case WindowCommand::Note:
            AskNote();
            return;
        case WindowCommand::Find:
            if (ports_.showFind) {
                ports_.showFind();
            }
            return;
        case WindowCommand::PasteColumn:
            AskPasteColumn();
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
    const bool resumes = keep && !keepTape_;
    keepTape_ = keep;
    try {
        window_->SetMenuChecked(MenuId::KeepTape, keep);
    } catch (const Failure&) {
        // A window without the entry still has the state.
    }
    // At start-up the constructor starts keeping after the settings; later a tick starts anew.
    if (started_ && resumes) {
        if (keeper_) {
            keeper_->Resume();
        } else {
            StartKeeping(false);
        }
    }
}

// With `bringBack` the current sheet comes back as it was left (start-up); otherwise the tape as
// it is starts a new sheet.
void CalculatorCore::StartKeeping(bool bringBack) {
    if (!OpenKeeper()) {
        return;
    }
    const std::optional<KeptTape> kept = keeper_->LoadCurrent();
    if (bringBack && kept) {
        ShowKept(*kept);
    } else if (!bringBack) {
        keeper_->Resume();
    }
    ShowSheetName();
}

bool CalculatorCore::OpenKeeper() {
    if (keeper_) {
        return true;
    }
    if (!ports_.tapeStorePath) {
        return false;
    }
    SheetStore store = OpenSheetStore(*ports_.tapeStorePath, ports_.storeFileMade);
    if (!store.keeping) {
        ShowNotice({NoticeSeverity::Warning, NoStoreText});
        return false;
    }
    keeper_ = std::make_unique<TapeKeeper>(
        std::move(store), locale_, [this](const TapeNotice& notice) { ShowNotice(notice); });
    return true;
}

// A sheet without a state (one without commands) is a new tape: New runs. Showing a sheet is not
// a command: nothing is journaled, and what it shows is taken as what the sheet holds.
void CalculatorCore::ShowKept(const KeptTape& kept) {
    showingKept_ = true;
    tape_->LoadLines(kept.lines, kept.extras);
    log_.reset();
    logFromJournal_ = kept.state.has_value();
    if (kept.state) {
        const SavedState& state = *kept.state;
        calculator_->Restore(state.engine, state.shown.display, state.shown.displayColor);
        memory_.SetCaption(state.shown.memory);
        counter_.SetCaption(state.shown.counter);
    } else {
        Press(Key::New);
    }
    tape_->TakeLineChanges();
    showingKept_ = false;
    keeper_->ShownAsKept(CurrentState());
}

// Tape work that was declined changed nothing; what showing a kept sheet does is not a command.
void CalculatorCore::RecordCommand(const CommandOutcome& outcome) {
    if (outcome.declined || !keeper_ || !keepTape_ || showingKept_) {
        return;
    }
    if (outcome.command == CalcCommand{PressKey{Key::New}} && tape_->CurrentLine() == 0) {
        keeper_->StartNewSheet();
    }
    if (const auto* note = std::get_if<NoteLine>(&outcome.command)) {
        keeper_->RecordNote(outcome.record, note->line, note->note, CurrentState());
        return;
    }
    keeper_->Record(outcome.record, *tape_, tape_->TakeLineChanges(), CurrentState());
}

SavedState CalculatorCore::CurrentState() const {
    return {calculator_->State(),
            {display_.Caption(), display_.ForeColor(), memory_.Caption(), counter_.Caption()}};
}

std::optional<std::vector<JournalCommand>> CalculatorCore::CurrentJournal() {
    const std::optional<store::SheetId> sheet = CurrentSheet();
    if (!keeper_ || !sheet) {
        return std::nullopt;
    }
    return keeper_->LoadJournal(*sheet);
}

std::vector<store::SheetSummary> CalculatorCore::TapeHistory(std::string_view search) {
    // Keep Tape off since the start: the kept tapes are still there to see. The store's current
    // sheet is taken up as keeping would, so that ticking Keep Tape later starts a new sheet
    // rather than writing over it.
    if (!keeper_ && !keepTape_ && OpenKeeper()) {
        keeper_->LoadCurrent();
    }
    if (!keeper_) {
        return {};
    }
    const std::size_t first = search.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return keeper_->Shown(keeper_->History().ListSheets());
    }
    if (const std::optional<double> amount = ReadNumber(search, NumberForm::Pasted, locale_)) {
        return keeper_->Shown(keeper_->History().FindSheetsByAmount(*amount));
    }
    return keeper_->Shown(keeper_->History().FindSheetsByNote(std::string(search.substr(first))));
}

// With Keep Tape off the sheet is shown as kept; what follows is not recorded on it, and ticking
// Keep Tape again starts a new sheet from the tape as it is then.
bool CalculatorCore::OpenSheet(store::SheetId id) {
    if (!keeper_) {
        return false;
    }
    const std::optional<KeptTape> kept = keeper_->OpenSheet(id);
    if (!kept) {
        return false;
    }
    ShowKept(*kept);
    AnnounceLines();
    EndCorrectionUndo();
    return true;
}

bool CalculatorCore::DeleteSheet(store::SheetId id) {
    return keeper_ && keeper_->DeleteSheet(id);
}

std::optional<store::SheetId> CalculatorCore::CurrentSheet() const {
    return keeper_ ? keeper_->CurrentSheet() : std::nullopt;
}

std::optional<std::string> CalculatorCore::NameSheet(std::optional<store::SheetId> sheet,
                                                     std::string_view typed) {
    const store::SheetNameResult read = store::ReadSheetName(typed);
    switch (read.refusal) {
        case store::NameRefusal::None:
            break;
        case store::NameRefusal::TooLong:
            return std::string(NameTooLongText);
        case store::NameRefusal::NotText:
        case store::NameRefusal::ControlCharacter:
            return std::string(NameNotTextText);
    }
    if (!keeper_ || !keepTape_ || !keeper_->NameSheet(sheet, read.name)) {
        return std::string(NameNotKeptText);
    }
    ShowSheetName();
    return std::nullopt;
}

std::string CalculatorCore::CurrentSheetName() const {
    return keeper_ && keepTape_ ? keeper_->CurrentName() : std::string();
}

void CalculatorCore::ShowSheetName() {
    const std::string name = CurrentSheetName();
    if (shownName_ == name) {
        return;
    }
    shownName_ = name;
    if (ports_.showSheetName) {
        ports_.showSheetName(name);
    }
}

std::string CalculatorCore::OriginalWords() const {
    return ports_.userText ? ports_.userText(OriginalInText) : std::string(OriginalInText);
}

std::string CalculatorCore::TapeText() const {
    return store::TapeAsText(LinesInForce(*tape_, locale_), locale_, OriginalWords(),
                             CurrentSheetName());
}

std::string CalculatorCore::TapeCsv() const {
    return store::TapeAsCsv(LinesInForce(*tape_, locale_), locale_, CurrentSheetName());
}

bool CalculatorCore::ExportSheet(store::SheetId id, TapeFormat format,
                                 const std::filesystem::path& path, std::string& error) {
    if (id == CurrentSheet()) {
        return ExportTape(format, path, error);
    }
    const std::optional<SheetToExport> sheet =
        keeper_ ? keeper_->LoadToExport(id) : std::optional<SheetToExport>();
    if (!sheet) {
        error = SheetUnreadableText;
        return false;
    }
    return WriteKeptSheet(
        *sheet, format, path,
        {locale_, OriginalWords(), ports_.printing.FollowProgress(LongWork::Saving)}, error);
}

bool CalculatorCore::PrintSheet(store::SheetId id) {
    const std::optional<SheetToExport> sheet =
        keeper_ ? keeper_->LoadToExport(id) : std::optional<SheetToExport>();
    if (!sheet) {
        return false;
    }
    const TapeLines lines = KeptSheetLines(*sheet);
    PrintWithFallbacks(ports_.printing, lines, static_cast<std::int32_t>(lines.size()),
                       ports_.tapeSurface.FontName(),
                       {KeptSheetExtras(*sheet), TapeTitle(sheet->name, sheet->startedMs),
                        ports_.printing.FollowProgress(LongWork::Printing)});
    return true;
}

bool CalculatorCore::ExportTape(TapeFormat format, const std::filesystem::path& path,
                                std::string& error) {
    std::string content;
    switch (format) {
        case TapeFormat::Text:
            content = TapeText();
            break;
        case TapeFormat::Csv:
            content = TapeCsv();
            break;
        case TapeFormat::Pdf:
            return WriteTapePdf(path, tape_->Lines(), tape_->CurrentLine(),
                                {[this](std::int32_t line) { return tape_->Extras(line); },
                                 DocumentTitle(), ports_.printing.FollowProgress(LongWork::Saving)},
                                error);
    }
    return WriteWholeFile(path, content, error);
}

std::string CalculatorCore::DocumentTitle() {
    std::int64_t started = std::chrono::duration_cast<std::chrono::milliseconds>(
                               std::chrono::system_clock::now().time_since_epoch())
                               .count();
    if (const std::optional<store::SheetId> sheet = CurrentSheet()) {
        for (const store::SheetSummary& summary : keeper_->History().ListSheets()) {
            if (summary.id == *sheet) {
                started = summary.startedMs;
            }
        }
    }
    return TapeTitle(CurrentSheetName(), started);
}

void CalculatorCore::SaveTapeAs() {
    if (!ports_.chooseSaveFile) {
        return;
    }
    // Only a kept tape can be named.
    const std::optional<std::string> name =
        CurrentSheet() && keepTape_ ? std::optional<std::string>(CurrentSheetName()) : std::nullopt;
    const std::optional<SaveTarget> target = ports_.chooseSaveFile(name);
    if (!target) {
        return;
    }
    if (target->tapeName && target->tapeName != name) {
        if (const std::optional<std::string> refusal = NameSheet(std::nullopt, *target->tapeName)) {
            ShowMessage(*refusal);
            return;
        }
    }
    std::string error;
    // A cancelled save has nothing to report.
    if (!ExportTape(target->format, target->path, error) && !error.empty()) {
        ShowMessage(std::string(SaveFailedText) + "\n" + error);
    }
}

void CalculatorCore::OnIdle() {
    if (keeper_) {
        keeper_->OnIdle();
    }
}

void CalculatorCore::OnExit() {
    if (keeper_ && !keeper_->WriteHeld()) {
        ShowMessage(UnwrittenAtExitText);
    }
}

void CalculatorCore::ShowMessage(const std::string& message) {
    if (ports_.showMessage) {
        ports_.showMessage(message);
    }
}

void CalculatorCore::ShowNotice(const TapeNotice& notice) {
    if (ports_.showNotice) {
        ports_.showNotice(notice);
    } else {
        ShowMessage(notice.text);
    }
}

}  // namespace reckora
