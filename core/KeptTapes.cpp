#include "KeptTapes.h"

#include <chrono>
#include <utility>

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

// The tape in force in its kept form, which the exports are written from.
std::vector<store::StoredLine> LinesInForce(const TapeModel& tape, const NumberLocale& locale) {
    const KeptForm form(locale);
    std::vector<store::StoredLine> lines;
    lines.reserve(static_cast<std::size_t>(tape.CurrentLine()));
    for (std::int32_t position = 1; position <= tape.CurrentLine(); ++position) {
        lines.push_back(form.Line(tape.Line(position), tape.Extras(position)));
    }
    return lines;
}

}  // namespace

KeptTapes::KeptTapes(CorePorts& ports, const NumberLocale& locale, const TapeModel& lines,
                     CalcTape& tape, TapeInUse inUse)
    : ports_(ports), locale_(locale), lines_(lines), tape_(tape), inUse_(std::move(inUse)) {
    tape_.SetDocumentTitle([this] { return DocumentTitle(); });
}

KeptTapes::~KeptTapes() = default;

void KeptTapes::Start(bool bringBackLater) {
    tapeDue_ = true;
    if (!bringBackLater) {
        BringBackTape();
    }
    started_ = true;
}

void KeptTapes::BringBackTape() {
    if (std::exchange(tapeDue_, false) && keepTape_) {
        StartKeeping(true);
    }
}

void KeptTapes::Listen(CommandRunner& runner) {
    runner.Listen([this](const CommandOutcome& outcome) { RecordCommand(outcome); });
    runner.Listen([this](const CommandOutcome&) { ShowSheetName(); });
}

void KeptTapes::SetKeepTape(bool keep) {
    const bool resumes = keep && !keepTape_;
    keepTape_ = keep;
    // At start-up keeping starts after the settings; later a tick starts anew.
    if (started_ && resumes) {
        if (keeper_) {
            keeper_->Resume();
        } else {
            StartKeeping(false);
        }
    }
}

void KeptTapes::StartKeeping(bool bringBack) {
    if (!OpenKeeper()) {
        return;
    }
    std::optional<KeptTape> kept = keeper_->LoadCurrent();
    if (bringBack && kept) {
        ShowKept(std::move(*kept));
    } else if (!bringBack) {
        keeper_->Resume();
    }
    ShowSheetName();
}

bool KeptTapes::OpenKeeper() {
    if (keeper_) {
        return true;
    }
    if (!ports_.tapeStorePath) {
        return false;
    }
    SheetStore store = OpenSheetStore(*ports_.tapeStorePath, ports_.storeFileMade);
    if (!store.keeping) {
        ShowNotice(ports_, {NoticeSeverity::Warning, NoStoreText});
        return false;
    }
    keeper_ = std::make_unique<TapeKeeper>(
        std::move(store), locale_,
        [this](const TapeNotice& notice) { ShowNotice(ports_, notice); });
    return true;
}

// Showing a sheet is not a command: nothing is journaled, and what it shows is taken as what the
// sheet holds. Its log is made ready here, so that asking what can be corrected reads nothing.
void KeptTapes::ShowKept(KeptTape kept) {
    if (kept.state) {
        kept.log = keeper_->EntryLogOf(kept);
    }
    showingKept_ = true;
    inUse_.show(std::move(kept));
    showingKept_ = false;
    keeper_->ShownAsKept(inUse_.state());
}

// Tape work that was declined changed nothing; what showing a kept sheet does is not a command.
void KeptTapes::RecordCommand(const CommandOutcome& outcome) {
    if (outcome.declined || !keeper_ || !keepTape_ || showingKept_) {
        return;
    }
    if (outcome.command == CalcCommand{PressKey{Key::New}} && lines_.CurrentLine() == 0) {
        keeper_->StartNewSheet();
    }
    if (const auto* note = std::get_if<NoteLine>(&outcome.command)) {
        keeper_->RecordNote(outcome.record, note->line, note->note, inUse_.state());
        return;
    }
    keeper_->Record(outcome.record, lines_,
                    outcome.lineChanges.value_or(LineChanges{0, std::nullopt}), inUse_.state());
}

std::optional<std::vector<JournalCommand>> KeptTapes::CurrentJournal() {
    const std::optional<store::SheetId> sheet = CurrentSheet();
    if (!keeper_ || !sheet) {
        return std::nullopt;
    }
    return keeper_->LoadJournal(*sheet);
}

std::vector<store::SheetSummary> KeptTapes::TapeHistory(std::string_view search) {
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
bool KeptTapes::OpenSheet(store::SheetId id) {
    if (!keeper_) {
        return false;
    }
    KeepEntryLog();
    std::optional<KeptTape> kept = keeper_->OpenSheet(id);
    if (!kept) {
        return false;
    }
    ShowKept(std::move(*kept));
    inUse_.opened();
    return true;
}

bool KeptTapes::DeleteSheet(store::SheetId id) {
    return keeper_ && keeper_->DeleteSheet(id);
}

std::optional<store::SheetId> KeptTapes::CurrentSheet() const {
    return keeper_ ? keeper_->CurrentSheet() : std::nullopt;
}

std::optional<std::string> KeptTapes::NameSheet(std::optional<store::SheetId> sheet,
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

std::string KeptTapes::CurrentSheetName() const {
    return keeper_ && keepTape_ ? keeper_->CurrentName() : std::string();
}

void KeptTapes::ShowSheetName() {
    const std::string name = CurrentSheetName();
    if (shownName_ == name) {
        return;
    }
    shownName_ = name;
    if (ports_.showSheetName) {
        ports_.showSheetName(name);
    }
}

std::string KeptTapes::OriginalWords() const {
    return ports_.userText ? ports_.userText(OriginalInText) : std::string(OriginalInText);
}

std::string KeptTapes::TapeText() const {
    return store::TapeAsText(LinesInForce(lines_, locale_), locale_, OriginalWords(),
                             CurrentSheetName());
}

std::string KeptTapes::TapeCsv() const {
    return store::TapeAsCsv(LinesInForce(lines_, locale_), locale_, CurrentSheetName());
}

bool KeptTapes::ExportSheet(store::SheetId id, TapeFormat format, const std::filesystem::path& path,
                            std::string& error) {
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

bool KeptTapes::PrintSheet(store::SheetId id) {
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

bool KeptTapes::ExportTape(TapeFormat format, const std::filesystem::path& path,
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
            return WriteTapePdf(path, lines_.Lines(), lines_.CurrentLine(),
                                {[this](std::int32_t line) { return lines_.Extras(line); },
                                 DocumentTitle(), ports_.printing.FollowProgress(LongWork::Saving)},
                                error);
    }
    return WriteWholeFile(path, content, error);
}

std::string KeptTapes::DocumentTitle() {
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

void KeptTapes::SaveTapeAs() {
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
            ShowMessage(ports_, *refusal);
            return;
        }
    }
    std::string error;
    // A cancelled save has nothing to report.
    if (!ExportTape(target->format, target->path, error) && !error.empty()) {
        ShowMessage(ports_, std::string(SaveFailedText) + "\n" + error);
    }
}

void KeptTapes::OnIdle() {
    if (keeper_) {
        keeper_->OnIdle();
    }
}

void KeptTapes::OnExit() {
    if (keeper_ && !keeper_->WriteHeld()) {
        ShowMessage(ports_, UnwrittenAtExitText);
        return;
    }
    KeepEntryLog();
}

// With Keep Tape off the tape in use is not the sheet's.
void KeptTapes::KeepEntryLog() {
    if (keeper_ && keepTape_ && inUse_.log()) {
        keeper_->KeepEntryLog(*inUse_.log());
    }
}

}  // namespace reckora
