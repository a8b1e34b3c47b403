#include "Journal.h"

#include "Calculator.h"
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

private:
    std::vector<TapeEntry> lines_;
    std::int32_t current_ = 0;
};

}  // namespace

store::CommandRecord JournalRecord(const JournalInput& input, std::int64_t sequence) {
    return {.sequence = sequence,
            .kind = input.key ? KeyNumber(*input.key) : kOptionCommand,
            .entry = input.entry,
            .rounding = input.option,
            .payload = input.pasted};
}

std::optional<ReplayedSheet> ReplayJournal(const std::vector<store::CommandRecord>& records,
                                           const NumberLocale& locale) {
    MemoryDisplay display;
    MemoryLabel memory;
    MemoryLabel counter("0 ");
    MemoryClipboard clipboard;
    ReplayTape tape;
    bool timerArmed = false;
    Calculator engine(
        EnginePorts{display, memory, counter, clipboard, tape, [](int) {},
                    [&timerArmed](int milliseconds) { timerArmed = milliseconds > 0; }, [](bool) {},
                    [](int, int) {}, [](bool) {}},
        locale);
    for (const store::CommandRecord& record : records) {
        engine.SelectRoundOption(record.rounding);
        if (record.kind == kOptionCommand) {
            continue;
        }
        const std::optional<Key> key = KeyAt(record.kind);
        if (!key) {
            return std::nullopt;
        }
        engine.ReplaceEntry(record.entry);
        clipboard.SetText(record.payload.value_or(""));
        engine.Press(*key);
        if (timerArmed) {
            engine.OnBlinkTimeout();
        }
    }
    return ReplayedSheet{
        .state = {engine.State(),
                  {display.Caption(), display.Color(), memory.Caption(), counter.Caption()}},
        .lines = tape.LinesInForce()};
}

namespace {
store::StoredLine StoredLineWith(std::string text, TapeMark mark, std::int32_t itemCount, Ink ink) {
    store::StoredLine line;
    line.text = std::move(text);
    line.mark = static_cast<std::int32_t>(TapeLineCode(mark, 0));
    line.itemCount = itemCount;
    line.negative = ink == Ink::Red;
    return line;
}

}  // namespace

store::StoredLine StoredLineOf(const TapeEntry& entry) {
    return StoredLineWith(entry.text, entry.mark, entry.itemCount, entry.ink);
}

store::StoredLine StoredLineOf(const TapeLine& line) {
    return StoredLineWith(std::string(line.text.View()), line.mark, line.itemCount, line.ink);
}

std::optional<TapeEntry> TapeEntryOf(store::StoredLine line) {
    const std::optional<MarkAndCount> mark = MarkOfLineCode(line.mark);
    if (!mark) {
        return std::nullopt;
    }
    return TapeEntry{.text = std::move(line.text),
                     .mark = mark->mark,
                     .itemCount = line.itemCount,
                     .ink = line.negative ? Ink::Red : Ink::Dark};
}

}  // namespace reckora
