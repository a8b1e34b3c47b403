#include "EntryLog.h"

#include <charconv>

#include "NumberParse.h"

namespace reckora {
namespace {

constexpr char NoEntry[] = "0";

// Commands that change nothing a replay needs.
bool LeavesStateAlone(Key key) {
    const KeyRole role = RowOf(key).role;
    return role == KeyRole::CopyDisplay || role == KeyRole::PrintTape;
}

// The marks of lines that show the value of the command's entry when the command wrote only that
// line; an equals line always shows the entry (the closing factor, a percentage rate).
bool ShowsOwnEntry(TapeMark mark) {
    switch (mark) {
        case TapeMark::Add:
        case TapeMark::Subtract:
        case TapeMark::Multiply:
        case TapeMark::Divide:
        case TapeMark::MemoryAdd:
        case TapeMark::MemorySubtract:
            return true;
        default:
            return false;
    }
}

// The business functions that put the number they take on their first line: a correction of
// that line enters the number again.
bool TakesFigure(TapeMark mark) {
    switch (mark) {
        case TapeMark::NonAdd:
        case TapeMark::TaxPlus:
        case TapeMark::TaxMinus:
        case TapeMark::Cost:
        case TapeMark::Sell:
        case TapeMark::Margin:
            return true;
        default:
            return false;
    }
}

// Commands that change a setting results depend on: kept in the log however often they repeat.
bool SetsResultSetting(std::int32_t kind) {
    return kind == TaxRateCommand ||
           (kind >= RoundingDirectionCommand &&
            kind < RoundingDirectionCommand +
                       static_cast<std::int32_t>(RoundingDirectionNames.size()));
}

// A corrected number as a typed entry: digits and the decimal separator, without the grouping
// a user may have written; none when that is no entry.
std::optional<std::string> AsEntry(const std::string& text, const NumberLocale& locale) {
    std::string entry;
    for (std::size_t at = 0; at < text.size();) {
        if (!locale.groupingSep.empty() &&
            text.compare(at, locale.groupingSep.size(), locale.groupingSep) == 0) {
            at += locale.groupingSep.size();
        } else if (text[at] == ' ') {
            ++at;
        } else {
            entry += text[at++];
        }
    }
    if (entry.empty() || !ReadNumber(entry, NumberForm::Entry, locale)) {
        return std::nullopt;
    }
    return entry;
}

}  // namespace

bool TypesEntry(Key key) {
    const KeyRole role = RowOf(key).role;
    return role == KeyRole::Type || role == KeyRole::TypeSeparator;
}

void EntryLog::StartFresh() {
    base_.reset();
    steps_.clear();
    entries_.clear();
    payloads_.clear();
    corrections_.clear();
    settingsFrom_.clear();
    lastOption_ = -1;
}

void EntryLog::StartFrom(std::vector<TapeEntry> lines, SavedState state) {
    StartFresh();
    lastOption_ = OptionIndex(state.engine.selectedOption);
    base_.emplace(std::move(lines), std::move(state));
}

void EntryLog::Append(const JournalCommand& command, std::int32_t linesAfter,
                      const std::string& entryAfter) {
    const std::optional<Key> key = AnyKeyAt(command.kind);
    if (command.kind == OptionCommand) {
        if (command.rounding == lastOption_) {
            return;
        }
    } else if (SetsResultSetting(command.kind)) {
        // kept as it is
    } else if (!key || LeavesStateAlone(*key) || (TypesEntry(*key) && entryAfter != NoEntry)) {
        return;
    }
    if (key == Key::New) {
        StartFresh();
    }
    lastOption_ = command.rounding;
    if (command.entry != NoEntry) {
        entries_ += command.entry;
    }
    const ResultSettings settings{command.taxRate, command.direction};
    const ResultSettings before =
        settingsFrom_.empty() ? ResultSettings{} : settingsFrom_.rbegin()->second;
    if (settings != before) {
        settingsFrom_[steps_.size()] = settings;
    }
    if ((key == Key::Paste || command.kind == TaxRateCommand) && command.payload) {
        payloads_[steps_.size()] = *command.payload;
    }
    steps_.push_back(Step{.entryEnd = static_cast<std::uint32_t>(entries_.size()),
                          .linesAfter = linesAfter,
                          .kind = static_cast<std::uint8_t>(command.kind),
                          .option = static_cast<std::int8_t>(command.rounding)});
}

std::int32_t EntryLog::LinesBefore(std::size_t step) const {
    if (step > 0) {
        return steps_[step - 1].linesAfter;
    }
    return base_ ? static_cast<std::int32_t>(base_->first.size()) : 0;
}

JournalCommand EntryLog::RecordOf(std::size_t step) const {
    const std::uint32_t begin = step > 0 ? steps_[step - 1].entryEnd : 0;
    const Step& s = steps_[step];
    JournalCommand record{.sequence = static_cast<std::int64_t>(step) + 1,
                          .kind = s.kind,
                          .entry = entries_.substr(begin, s.entryEnd - begin),
                          .rounding = s.option,
                          .payload = std::nullopt};
    if (record.entry.empty()) {
        record.entry = NoEntry;
    }
    if (const auto found = payloads_.find(step); found != payloads_.end()) {
        record.payload = found->second;
    }
    if (auto from = settingsFrom_.upper_bound(step); from != settingsFrom_.begin()) {
        --from;
        record.taxRate = from->second.taxRate;
        record.direction = from->second.direction;
    }
    return record;
}

// A typed entry, a paste just before, or a correction.
bool EntryLog::HasEnteredNumber(std::size_t step) const {
    const std::uint32_t begin = step > 0 ? steps_[step - 1].entryEnd : 0;
    if (steps_[step].entryEnd != begin || corrections_.contains(step)) {
        return true;
    }
    return step > 0 && steps_[step - 1].kind == KeyNumber(Key::Paste) &&
           payloads_.contains(step - 1);
}

std::optional<std::size_t> EntryLog::SourceOf(std::int32_t line, TapeMark mark) const {
    for (std::size_t step = steps_.size(); step-- > 0;) {
        const std::int32_t before = LinesBefore(step);
        const std::int32_t after = steps_[step].linesAfter;
        if (before < line && line <= after) {
            const bool ownLine = mark == TapeMark::Equals ||
                                 (ShowsOwnEntry(mark) && after == before + 1) ||
                                 (TakesFigure(mark) && line == before + 1);
            const std::optional<Key> key = AnyKeyAt(steps_[step].kind);
            const bool operation = key && RowOf(*key).role == KeyRole::Operate;
            if (operation && ownLine && HasEnteredNumber(step)) {
                return step;
            }
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<std::string> EntryLog::Correction(std::size_t step) const {
    const auto found = corrections_.find(step);
    if (found == corrections_.end()) {
        return std::nullopt;
    }
    return found->second;
}

void EntryLog::SetCorrection(std::size_t step, std::optional<std::string> text) {
    if (text) {
        corrections_[step] = std::move(*text);
    } else {
        corrections_.erase(step);
    }
}

EntryLog::Replayed EntryLog::Replay(const NumberLocale& locale, const std::string& entry,
                                    bool withCorrections) const {
    Replayed replayed{std::make_unique<JournalRun>(locale), false};
    JournalRun& run = *replayed.run;
    if (base_) {
        run.StartFrom(base_->first, base_->second);
    }
    for (std::size_t step = 0; step < steps_.size(); ++step) {
        JournalCommand record = RecordOf(step);
        const auto found = corrections_.find(step);
        if (withCorrections && found != corrections_.end() &&
            record.kind == KeyNumber(Key::NonAdd)) {
            // A non-add number is the entry itself, as typed.
            const std::optional<std::string> typed = AsEntry(found->second, locale);
            replayed.pasteRefused = !typed || replayed.pasteRefused;
            record.entry = typed.value_or(record.entry);
        } else if (withCorrections && found != corrections_.end()) {
            // The corrected number enters as a paste would, and the command finds it entered.
            const std::optional<CommandOutcome> pasted = run.Run({.sequence = 0,
                                                                  .kind = KeyNumber(Key::Paste),
                                                                  .entry = NoEntry,
                                                                  .rounding = record.rounding,
                                                                  .payload = found->second});
            replayed.pasteRefused = !pasted || pasted->engineRefused || replayed.pasteRefused;
            record.entry = NoEntry;
        }
        run.Run(record);
    }
    run.TypeEntry(entry);
    return replayed;
}

namespace {

// The corrections, notes and undos of a journal replayed on the log the replay builds: a
// correction sets the log's correction and loads the log's replay into the run.
class LogReplay final : public TapeWorkTarget {
public:
    LogReplay(EntryLog& log, JournalRun& run, const NumberLocale& locale)
        : log_(log), run_(run), locale_(locale) {}

    std::optional<std::string> Correct(std::int32_t line, const std::string& text) override {
        if (line > run_.Lines()) {
            return std::string();
        }
        const std::optional<std::size_t> step = log_.SourceOf(line, run_.Line(line).mark);
        if (!step) {
            return std::string();
        }
        const std::optional<std::string> before = log_.Correction(*step);
        log_.SetCorrection(*step, text);
        Reload();
        undoable_.emplace(*step, before);
        return std::nullopt;
    }
    std::optional<std::string> Note(std::int32_t, const std::string&) override {
        return std::nullopt;  // the replayed tape holds no notes
    }
    bool HoldsCorrectionUndo() const override { return undoable_.has_value(); }
    std::optional<std::string> TakeBackCorrection() override {
        log_.SetCorrection(undoable_->first, undoable_->second);
        Reload();
        return std::nullopt;
    }
    // What ran after a correction, the Undo key included, ends its undo.
    void After(const CommandOutcome& outcome) {
        if (!std::holds_alternative<CorrectLine>(outcome.command)) {
            undoable_.reset();
        }
    }

private:
    void Reload() {
        const ReplayedSheet result = log_.Replay(locale_, run_.State().entryText).run->Result();
        run_.StartFrom(result.lines, result.state);
    }

    EntryLog& log_;
    JournalRun& run_;
    const NumberLocale& locale_;
    // The step of the correction the next command may undo, and the correction it replaced.
    std::optional<std::pair<std::size_t, std::optional<std::string>>> undoable_;
};

}  // namespace

std::optional<LoggedRun> ReplayIntoLog(const std::vector<JournalCommand>& records,
                                       const NumberLocale& locale) {
    LoggedRun logged{EntryLog{}, std::make_unique<JournalRun>(locale)};
    logged.log.StartFresh();
    LogReplay tapeWork(logged.log, *logged.run, locale);
    logged.run->SetTapeWork(&tapeWork);
    for (const JournalCommand& record : records) {
        const std::optional<CommandOutcome> outcome = logged.run->Run(record);
        if (!outcome) {
            return std::nullopt;
        }
        tapeWork.After(*outcome);
        if (!IsTapeWork(outcome->command)) {
            logged.log.Append(record, logged.run->Lines(), logged.run->State().entryText);
        }
    }
    logged.run->SetTapeWork(nullptr);
    return logged;
}

}  // namespace reckora
