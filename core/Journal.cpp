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

JournalCommand JournalRecord(const JournalInput& input, std::int64_t sequence) {
    return {.sequence = sequence,
            .kind = input.key ? KeyNumber(*input.key) : input.command,
            .entry = input.entry,
            .rounding = input.option,
            .payload = input.pasted};
}

struct JournalRun::Parts {
    MemoryDisplay display;
    MemoryLabel memory;
    MemoryLabel counter{"0 "};
    MemoryClipboard clipboard;  // Copy's; a paste's text is handed to the engine itself
    ReplayTape tape;
    bool timerArmed = false;
    Calculator engine;

    explicit Parts(const NumberLocale& locale)
        : engine(EnginePorts{display, memory, counter, clipboard, tape, [](int) {},
                             [this](int milliseconds) { timerArmed = milliseconds > 0; },
                             [](bool) {}, [](int, int) {}, [](bool) {}},
                 locale) {}

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
    parts_->engine.Restore(state.engine, state.shown.display, state.shown.displayColor);
    parts_->memory.SetCaption(state.shown.memory);
    parts_->counter.SetCaption(state.shown.counter);
    parts_->FireTimer();
}

bool JournalRun::Run(const JournalCommand& record) {
    Calculator& engine = parts_->engine;
    engine.SelectRoundOption(record.rounding);
    if (record.kind == kOptionCommand) {
        return true;
    }
    const std::optional<Key> key = KeyAt(record.kind);
    if (!key) {
        return false;
    }
    engine.ReplaceEntry(record.entry);
    if (key == Key::Paste) {
        engine.PasteText(record.payload.value_or(""));
    } else {
        engine.Press(*key);
    }
    parts_->FireTimer();
    return true;
}

void JournalRun::SelectOption(int option) {
    parts_->engine.SelectRoundOption(option);
}

bool JournalRun::PasteEntry(const std::string& text) {
    const int refusals = parts_->engine.RefusalCount();
    parts_->engine.ReplaceEntry("0");
    parts_->engine.PasteText(text);
    parts_->FireTimer();
    return parts_->engine.RefusalCount() == refusals;
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
    const Parts& p = *parts_;
    return ReplayedSheet{.state = {p.engine.State(),
                                   {p.display.Caption(), p.display.Color(), p.memory.Caption(),
                                    p.counter.Caption()}},
                         .lines = p.tape.LinesInForce()};
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
