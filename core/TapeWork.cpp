#include "TapeWork.h"

#include <algorithm>
#include <sstream>
#include <utility>

#include "ColumnCell.h"
#include "Failure.h"
#include "NoteSearch.h"
#include "NumberFormat.h"
#include "NumberParse.h"
#include "TapeWorkTexts.h"
#include "VirtualKey.h"

namespace reckora {
namespace {

// Lines that show no amount of their own: a search for 0 does not find them.
bool ShowsAmount(TapeMark mark) {
    return mark != TapeMark::Error && mark != TapeMark::ClearAll && mark != TapeMark::MemoryClear;
}

// At most a short line's worth of a text, cut at a character's start.
std::string Shortened(std::string_view text) {
    constexpr std::size_t MostBytes = 40;
    if (text.size() <= MostBytes) {
        return std::string(text);
    }
    std::size_t end = MostBytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        --end;
    }
    return std::string(text.substr(0, end)) + "\u2026";
}

// A refusal's reason with what it names on a line of its own.
std::string WithDetail(std::string_view reason, std::string_view detail) {
    std::string message(reason);
    if (!detail.empty()) {
        message += "\n";
        message += detail;
    }
    return message;
}

std::int32_t ErrorLinesFrom(const std::vector<TapeEntry>& lines, std::size_t first) {
    return static_cast<std::int32_t>(std::count_if(
        lines.begin() + static_cast<std::ptrdiff_t>(std::min(first, lines.size())), lines.end(),
        [](const TapeEntry& line) { return line.mark == TapeMark::Error; }));
}

}  // namespace

TapeWork::TapeWork(TapeWorkParts parts)
    : ports_(parts.ports),
      locale_(parts.locale),
      lines_(parts.lines),
      tape_(parts.tape),
      engine_(parts.engine),
      runner_(parts.runner),
      state_(std::move(parts.state)),
      tapeEnding_(std::move(parts.tapeEnding)) {}

void TapeWork::Listen() {
    runner_.SetTapeWork(this);
    runner_.Listen([this](const CommandOutcome& outcome) { NoteCommand(outcome); });
}

void TapeWork::BeforeKey() {
    if (tape_.SelectedLine() != 0) {
        tape_.SelectLine(0);
    }
    if (!log_) {
        log_.emplace();
        log_->StartFrom(lines_.EntriesFrom(1), state_());
    }
}

void TapeWork::ShowKept(KeptTape kept) {
    lines_.LoadLines(kept.lines, kept.extras);
    log_ = std::move(kept.log);
    if (kept.state) {
        engine_.Restore(kept.state->engine, kept.state->shown);
    } else {
        runner_.Run(PressKey{Key::New});
    }
}

void TapeWork::SheetOpened() {
    AnnounceLines();
    EndCorrectionUndo();
}

void TapeWork::SelectLine(std::int32_t line) {
    if (line < 0 || line > lines_.CurrentLine()) {
        return;
    }
    tape_.SelectLine(line);
    if (line != 0 && ports_.announceLine) {
        ports_.announceLine(line);
    }
}

std::int32_t TapeWork::SelectedLine() const {
    return tape_.SelectedLine();
}

void TapeWork::MoveSelection(int step) {
    const std::int32_t lines = lines_.CurrentLine();
    const std::int32_t selected = tape_.SelectedLine();
    if (lines == 0 || step == 0) {
        return;
    }
    const std::int32_t target = selected == 0
                                    ? (step < 0 ? lines : 0)
                                    : std::clamp(selected + (step < 0 ? -1 : 1), 1, lines);
    if (target != 0) {
        SelectLine(target);
    }
}

bool TapeWork::SelectionKey(int code, int modifiers) {
    if (tape_.SelectedLine() == 0 || (modifiers & (KeyModifier::Ctrl | KeyModifier::Shift)) != 0) {
        return false;
    }
    if (code == VirtualKey::Escape) {
        tape_.SelectLine(0);
        return true;
    }
    if (code == VirtualKey::Return) {
        AskCorrection();
        return true;
    }
    return false;
}

void TapeWork::AnnounceLines() {
    if (ports_.announceLine && lines_.CurrentLine() > announcedLines_) {
        ports_.announceLine(lines_.CurrentLine());
    }
    announcedLines_ = lines_.CurrentLine();
}

// Like the journal, the log keeps only the keys that changed something; the tape work keeps its
// corrections in the log itself.
void TapeWork::NoteCommand(const CommandOutcome& outcome) {
    AnnounceLines();
    if (outcome.declined) {
        return;
    }
    if (correctionUndo_ && !std::holds_alternative<CorrectLine>(outcome.command) &&
        (lines_.CurrentLine() != correctionUndo_->linesAfter ||
         state_() != correctionUndo_->stateAfter)) {
        EndCorrectionUndo();
    }
    if (IsTapeWork(outcome.command)) {
        return;
    }
    if (outcome.command == CalcCommand{PressKey{Key::New}}) {
        if (tapeEnding_) {
            tapeEnding_();
        }
        log_.emplace();
    }
    if (!log_ || (IsKey(outcome.command) && !outcome.stateChanged && !outcome.LinesChanged())) {
        return;
    }
    log_->Append(outcome.record, lines_.CurrentLine(), engine_.State().entryText);
}

bool TapeWork::CanCorrect(std::int32_t line) const {
    if (line < 1 || line > lines_.CurrentLine()) {
        return false;
    }
    return log_ && log_->SourceOf(line, lines_.Line(line).mark).has_value();
}

void TapeWork::CorrectEntry(std::int32_t line, std::string_view text) {
    if (const std::optional<std::string> refusal = TryCorrectEntry(line, text)) {
        ShowMessage(ports_, *refusal);
    }
}

std::optional<std::string> TapeWork::TryCorrectEntry(std::int32_t line, std::string_view text) {
    return runner_.Run(CorrectLine{line, std::string(text)}).declined;
}

std::optional<std::string> TapeWork::Correct(std::int32_t line, const std::string& text) {
    if (!CanCorrect(line)) {
        return NotCorrectable(line);
    }
    if (!ReadNumber(text, NumberForm::Pasted, locale_)) {
        return WithDetail(CorrectionNotNumberText, Shortened(text));
    }
    EntryLog& log = *log_;
    const std::size_t step = *log.SourceOf(line, lines_.Line(line).mark);
    const std::optional<std::string> previous = log.Correction(step);
    const bool correctedBefore = log.HasCorrections();
    const std::string entry = engine_.State().entryText;
    log.SetCorrection(step, std::string(text));
    EntryLog::Replayed replayed = log.Replay(locale_, entry);
    const ReplayedSheet result = replayed.run->Result();
    const std::vector<TapeEntry> before = lines_.EntriesFrom(1);
    const auto first = static_cast<std::size_t>(line - 1);
    const bool error = (result.state.engine.errorState && !engine_.State().errorState) ||
                       ErrorLinesFrom(result.lines, first) > ErrorLinesFrom(before, first);
    if (replayed.pasteRefused || error || result.lines.size() < first + 1) {
        log.SetCorrection(step, previous);
        return WithDetail(replayed.pasteRefused ? CorrectionCapacityText : CorrectionErrorText,
                          std::to_string(line) + ": " + before[first].text);
    }
    // What each line showed before any correction, which the change marks compare with: the
    // tape before this correction, unless a line already marked changes again.
    const auto marked = [this](std::size_t index) {
        const LineExtras* extras = lines_.Extras(static_cast<std::int32_t>(index + 1));
        return extras != nullptr && extras->changed;
    };
    bool markedLineChanges = false;
    for (std::size_t index = first; index < std::min(before.size(), result.lines.size()); ++index) {
        markedLineChanges =
            markedLineChanges || (marked(index) && before[index].text != result.lines[index].text);
    }
    const std::vector<TapeEntry> uncorrected =
        correctedBefore && markedLineChanges ? log.Replay(locale_, entry, false).run->Result().lines
                                             : before;

    CorrectionUndo undo{
        .line = line,
        .lines = {before.begin() + static_cast<std::ptrdiff_t>(first), before.end()},
        .extras = {lines_.AllExtras().lower_bound(line), lines_.AllExtras().end()},
        .state = state_(),
        .step = step,
        .correction = previous,
        .stateAfter = {},
        .linesAfter = 0};
    std::map<std::int32_t, LineExtras> extras = undo.extras;
    for (std::size_t index = first; index < result.lines.size(); ++index) {
        const auto position = static_cast<std::int32_t>(index + 1);
        LineExtras& shown = extras[position];
        if (position == line) {
            if (shown.original.empty()) {
                shown.original = before[first].text;
            }
            shown.changed = false;
        } else if (shown.original.empty() && (markedLineChanges || !shown.changed)) {
            shown.changed =
                index >= uncorrected.size() || uncorrected[index].text != result.lines[index].text;
        }
    }
    std::erase_if(extras, [](const auto& kept) { return kept.second.Empty(); });
    lines_.ReplaceLinesFrom(
        line, {result.lines.begin() + static_cast<std::ptrdiff_t>(first), result.lines.end()},
        extras);
    engine_.Restore(result.state.engine, result.state.shown);
    undo.stateAfter = state_();
    undo.linesAfter = lines_.CurrentLine();
    correctionUndo_ = std::move(undo);
    ports_.showUndoAvailable(true);
    return std::nullopt;
}

std::string TapeWork::NotCorrectable(std::int32_t line) const {
    const bool onTape = line >= 1 && line <= lines_.CurrentLine();
    return WithDetail(
        CorrectionNotEnteredText,
        std::to_string(line) + (onTape ? ": " + std::string(lines_.Line(line).text.View()) : ""));
}

std::optional<std::string> TapeWork::TakeBackCorrection() {
    CorrectionUndo undo = std::move(*correctionUndo_);
    if (log_) {
        log_->SetCorrection(undo.step, undo.correction);
    }
    lines_.ReplaceLinesFrom(undo.line, undo.lines, undo.extras);
    engine_.Restore(undo.state.engine, undo.state.shown);
    EndCorrectionUndo();
    return std::nullopt;
}

void TapeWork::EndCorrectionUndo() {
    if (correctionUndo_) {
        correctionUndo_.reset();
        ports_.showUndoAvailable(engine_.IsUndoEnabled());
    }
}

void TapeWork::SetNote(std::int32_t line, std::string note) {
    // One line: line breaks become blanks.
    std::replace_if(
        note.begin(), note.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    runner_.Run(NoteLine{line, std::move(note)});
}

// A line off the tape, or the note it has already, changes nothing.
std::optional<std::string> TapeWork::Note(std::int32_t line, const std::string& note) {
    if (line < 1 || line > lines_.CurrentLine()) {
        return std::string();
    }
    const LineExtras* current = lines_.Extras(line);
    LineExtras extras = current ? *current : LineExtras{};
    if (extras.note == note) {
        return std::string();
    }
    extras.note = note;
    lines_.SetExtras(line, std::move(extras));
    EndCorrectionUndo();
    return std::nullopt;
}

void TapeWork::AskCorrection() {
    const std::int32_t line = tape_.SelectedLine();
    if (line == 0) {
        return;
    }
    if (!CanCorrect(line)) {
        ShowMessage(ports_, NotCorrectable(line));
        return;
    }
    if (!ports_.askText) {
        return;
    }
    // The dialog stays open on a refusal, so the user can mend what was typed.
    ports_.askText(TextRequest{
        .title = CorrectTitle,
        .prompt = CorrectPrompt,
        .initial = std::string(lines_.Line(line).text.View()),
        .apply = [this, line](const std::string& text) { return TryCorrectEntry(line, text); }});
}

void TapeWork::AskNote() {
    const std::int32_t line = tape_.SelectedLine();
    if (line == 0 || !ports_.askText) {
        return;
    }
    const LineExtras* extras = lines_.Extras(line);
    if (const std::optional<std::string> note =
            ports_.askText(TextRequest{NoteTitle, NotePrompt, extras ? extras->note : ""})) {
        SetNote(line, *note);
    }
}

std::vector<std::int32_t> TapeWork::FindLines(std::string_view text) const {
    std::vector<std::int32_t> found;
    if (const std::optional<double> amount = ReadNumber(text, NumberForm::Pasted, locale_)) {
        const TapeLines& lines = lines_.Lines();
        const auto& allExtras = lines_.AllExtras();
        auto extras = allExtras.begin();
        for (std::int32_t position = 1; position <= lines_.CurrentLine(); ++position) {
            const TapeLine& line = lines[static_cast<std::size_t>(position) - 1];
            while (extras != allExtras.end() && extras->first < position) {
                ++extras;
            }
            const bool shown = ShowsAmount(line.mark) &&
                               ReadNumber(line.text.View(), NumberForm::Shown, locale_) == amount;
            // A corrected line is also found by the amount it was first entered with.
            const bool original =
                extras != allExtras.end() && extras->first == position &&
                !extras->second.original.empty() &&
                ReadNumber(extras->second.original, NumberForm::Shown, locale_) == amount;
            if (shown || original) {
                found.push_back(position);
            }
        }
        return found;
    }
    const store::NoteSearch search(text);
    for (const auto& [position, extras] : lines_.AllExtras()) {
        if (search.Matches(extras.note)) {
            found.push_back(position);
        }
    }
    return found;
}

ColumnPreview TapeWork::PreviewColumn(std::string_view clipboardText) const {
    ColumnPreview preview;
    double sum = 0;
    std::istringstream stream{std::string(clipboardText)};
    for (std::string line; std::getline(stream, line);) {
        const std::size_t begin = line.find_first_not_of(" \t\r");
        if (begin == std::string::npos) {
            continue;
        }
        const std::string trimmed = line.substr(begin, line.find_last_not_of(" \t\r") + 1 - begin);
        if (std::optional<std::string> entry = ColumnCellEntry(trimmed, locale_)) {
            sum += ReadNumber(*entry, NumberForm::Pasted, locale_).value_or(0);
            preview.numbers.push_back(std::move(*entry));
        } else {
            preview.unreadable.push_back(trimmed);
        }
    }
    try {
        preview.sum = FormatNumber(sum, false, false, engine_.GetRoundingOption(), locale_);
    } catch (const Failure&) {
        preview.sum = "-Error-";
    }
    return preview;
}

// The numbers enter the engine directly: the user's clipboard, and whoever owns it, are left alone.
void TapeWork::PasteColumn(const ColumnPreview& preview) {
    for (const std::string& number : preview.numbers) {
        // A number the display cannot show is refused; + would add the display instead.
        if (!runner_.Run(PasteEntry{number}).engineRefused) {
            runner_.Run(PressKey{Key::Add});
        }
    }
}

void TapeWork::AskPasteColumn() {
    const ColumnPreview preview = PreviewColumn(ports_.clipboard.Text());
    if (preview.unreadable.empty() && preview.numbers.empty()) {
        ShowMessage(ports_, ColumnEmptyText);
        return;
    }
    if (preview.numbers.empty()) {
        ShowMessage(ports_, WithDetail(ColumnNoNumberText, Shortened(preview.unreadable.front())));
        return;
    }
    if (ports_.confirmColumn && ports_.confirmColumn(preview)) {
        PasteColumn(preview);
    }
}

}  // namespace reckora
