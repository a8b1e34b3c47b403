#include "Journal.h"

#include "Calculator.h"

namespace reckora {
namespace {

// The window the replaying engine writes to: only what the state and the tape need.
class ReplayDisplay final : public DisplayLabel {
public:
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    std::string Caption() const override { return caption_; }
    void SetForeColor(std::uint32_t rgbRedLow) override { color_ = rgbRedLow; }
    void RepaintNow() override {}
    std::uint32_t Color() const { return color_; }

private:
    std::string caption_;
    std::uint32_t color_ = 0;
};

class ReplayLabel final : public CaptionLabel {
public:
    explicit ReplayLabel(std::string caption) : caption_(std::move(caption)) {}
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    const std::string& Caption() const { return caption_; }

private:
    std::string caption_;
};

class ReplayClipboard final : public Clipboard {
public:
    void Clear() override { text_.clear(); }
    void SetText(const std::string& text) override { text_ = text; }
    std::string Text() override { return text_; }

private:
    std::string text_;
};

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
    ReplayDisplay display;
    ReplayLabel memory("");
    ReplayLabel counter("0 ");
    ReplayClipboard clipboard;
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
