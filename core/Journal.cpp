#include "Journal.h"

#include "Calculator.h"
#include "EntryLog.h"
#include "MemoryLabels.h"

namespace reckora {
namespace {

class ReplayTape final : public PaperTape {
public:
    void AddLine(const TapeEntry& entry) override {
        lines_.resize(static_cast<std::size_t>(current_));
        lines_.push_back(entry);
        ++current_;
    }
    void ClearAll() override {
        lines_.clear();
        current_ = 0;
    }
    void Redraw() override {}
    void PrintContent() override {}
    std::int32_t CurrentLine() const override { return current_; }
    void SetCurrentLine(std::int32_t lines) override { current_ = lines; }
    std::vector<TapeEntry> LinesInForce() const {
        return {lines_.begin(), lines_.begin() + current_};
    }
    void Load(const std::vector<TapeEntry>& lines) {
        lines_ = lines;
        current_ = static_cast<std::int32_t>(lines.size());
    }
    const TapeEntry& Line(std::int32_t position) const {
        return lines_.at(static_cast<std::size_t>(position) - 1);
    }

private:
    std::vector<TapeEntry> lines_;
    std::int32_t current_ = 0;
};

}  // namespace

struct JournalRun::Parts final : CommandTarget {
    MemoryDisplay display;
    MemoryLabel memory;
    MemoryLabel counter{"0 "};
    MemoryClipboard clipboard;  // Copy's; a paste's text is handed to the engine itself
    ReplayTape tape;
    bool timerArmed = false;
    Calculator engine;
    CommandRunner runner{*this, RunnerUse::Replay};

    explicit Parts(const NumberLocale& locale)
        : engine(EnginePorts{display, memory, counter, clipboard, tape, [](RoundingOption) {},
                             [this](int milliseconds) { timerArmed = milliseconds > 0; },
                             [](bool) {}, [](int, int) {}, [](bool) {}},
                 locale) {}

    Calculator& Engine() override { return engine; }
    std::int32_t LinesInForce() const override { return tape.CurrentLine(); }
    SavedState State() const override { return {engine.State(), engine.Shown()}; }

    void FireTimer() {
        if (timerArmed) {
            engine.OnBlinkTimeout();
        }
    }
};

JournalRun::JournalRun(const NumberLocale& locale) : parts_(std::make_unique<Parts>(locale)) {}

JournalRun::~JournalRun() = default;

void JournalRun::StartFrom(const std::vector<TapeEntry>& lines, const SavedState& state) {
    parts_->tape.Load(lines);
    parts_->engine.Restore(state.engine, state.shown);
    parts_->FireTimer();
}

// A key consumes the entry it was journaled with, under the option in force then; the display
// timer fires after it as it does for a pausing user. An option change or the tape work find
// what they need in force already.
std::optional<CommandOutcome> JournalRun::Run(const JournalCommand& record) {
    const std::optional<CalcCommand> command = CommandOf(record);
    if (!command) {
        return std::nullopt;
    }
    const bool key = !IsTapeWork(*command) && !std::holds_alternative<ChooseOption>(*command);
    if (key) {
        if (const std::optional<RoundingOption> option = RoundingOptionAt(record.rounding)) {
            parts_->engine.SelectRoundingOption(*option);
        }
        parts_->engine.SetTaxRate(record.taxRate);
        parts_->engine.SetRoundingDirection(record.direction);
        parts_->engine.ReplaceEntry(record.entry);
    }
    CommandOutcome outcome = parts_->runner.Run(*command);
    if (outcome.declined) {
        return std::nullopt;
    }
    if (key) {
        parts_->FireTimer();
    }
    return outcome;
}

void JournalRun::SetTapeWork(TapeWorkTarget* tapeWork) {
    parts_->runner.SetTapeWork(tapeWork);
}

void JournalRun::TypeEntry(const std::string& text) {
    parts_->engine.ReplaceEntry(text);
}

std::int32_t JournalRun::Lines() const {
    return parts_->tape.CurrentLine();
}

const TapeEntry& JournalRun::Line(std::int32_t position) const {
    return parts_->tape.Line(position);
}

const EngineState& JournalRun::State() const {
    return parts_->engine.State();
}

ReplayedSheet JournalRun::Result() const {
    return ReplayedSheet{.state = parts_->State(), .lines = parts_->tape.LinesInForce()};
}

std::optional<ReplayedSheet> ReplayJournal(const std::vector<JournalCommand>& records,
                                           const NumberLocale& locale) {
    std::optional<LoggedRun> logged = ReplayIntoLog(records, locale);
    if (!logged) {
        return std::nullopt;
    }
    return logged->run->Result();
}

}  // namespace reckora
