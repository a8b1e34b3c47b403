// The entry log as text, kept beside its sheet so that the next session has it when the sheet
// loads instead of replaying the journal. Numbers are decimal, texts are "length:bytes", every
// field is followed by one blank:
//
//   entry-log 2 <last option> <has base>
//   [<line count> (<line code> <ink> <text>)... <state text>]     only with a base
//   <entries> <step count> (<entry length> <lines added> <kind> <option>)...
//   <payload count> (<step> <text>)... <correction count> (<step> <text>)...
//   <settings count> (<step> <tax rate> <rounding direction>)...
//
// A step's entry and lines are told by how much they add to the step before's (lines may be cut
// back), which keeps the text short. Reading checks everything a query or a replay relies on, so
// that a damaged text gives no log rather than a wrong one.

#include <charconv>
#include <limits>

#include "EntryLog.h"
#include "NumberNotation.h"

namespace reckora {
namespace {

// Version 1 had no tax rate and rounding direction; such a log is built again from the journal.
constexpr std::string_view Heading = "entry-log 2 ";

void PutNumber(std::string& out, std::int64_t value) {
    out += std::to_string(value);
    out += ' ';
}

void PutText(std::string& out, std::string_view text) {
    out += std::to_string(text.size());
    out += ':';
    out += text;
    out += ' ';
}

// Takes the fields of a written log in order; every take fails once one has.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    std::optional<std::int64_t> Number(std::int64_t least, std::int64_t most) {
        std::int64_t value = 0;
        const char* end = text_.data() + text_.size();
        const auto [next, error] = std::from_chars(text_.data(), end, value);
        if (error != std::errc{} || next == end || *next != ' ' || value < least || value > most) {
            return std::nullopt;
        }
        text_.remove_prefix(static_cast<std::size_t>(next - text_.data()) + 1);
        return value;
    }

    std::optional<std::string_view> Text() {
        std::size_t size = 0;
        const char* end = text_.data() + text_.size();
        const auto [next, error] = std::from_chars(text_.data(), end, size);
        if (error != std::errc{} || next == end || *next != ':') {
            return std::nullopt;
        }
        const auto start = static_cast<std::size_t>(next - text_.data()) + 1;
        if (text_.size() - start < size + 1 || text_[start + size] != ' ') {
            return std::nullopt;
        }
        const std::string_view taken = text_.substr(start, size);
        text_.remove_prefix(start + size + 1);
        return taken;
    }

    bool AtEnd() const { return text_.empty(); }

private:
    std::string_view text_;
};

constexpr std::int64_t MostInt32 = std::numeric_limits<std::int32_t>::max();

}  // namespace

std::string EntryLog::Written() const {
    std::string out(Heading);
    PutNumber(out, lastOption_);
    PutNumber(out, base_ ? 1 : 0);
    if (base_) {
        PutNumber(out, static_cast<std::int64_t>(base_->first.size()));
        for (const TapeEntry& line : base_->first) {
            PutNumber(out, TapeLineCode(line.mark, line.itemCount));
            PutNumber(out, static_cast<std::int64_t>(line.ink));
            PutText(out, line.text);
        }
        PutText(out, StateAsText(base_->second));
    }
    PutText(out, entries_);
    PutNumber(out, static_cast<std::int64_t>(steps_.size()));
    std::uint32_t entryEnd = 0;
    std::int64_t lines = LinesBefore(0);
    for (const Step& step : steps_) {
        PutNumber(out, step.entryEnd - entryEnd);
        PutNumber(out, step.linesAfter - lines);
        entryEnd = step.entryEnd;
        lines = step.linesAfter;
        PutNumber(out, step.kind);
        PutNumber(out, step.option);
    }
    for (const auto* texts : {&payloads_, &corrections_}) {
        PutNumber(out, static_cast<std::int64_t>(texts->size()));
        for (const auto& [step, text] : *texts) {
            PutNumber(out, static_cast<std::int64_t>(step));
            PutText(out, text);
        }
    }
    PutNumber(out, static_cast<std::int64_t>(settingsFrom_.size()));
    for (const auto& [step, settings] : settingsFrom_) {
        PutNumber(out, static_cast<std::int64_t>(step));
        PutText(out, ValueText(settings.taxRate));
        PutNumber(out, static_cast<std::int64_t>(settings.direction));
    }
    return out;
}

std::optional<EntryLog> EntryLog::Read(std::string_view text) {
    if (!text.starts_with(Heading)) {
        return std::nullopt;
    }
    FieldReader read(text.substr(Heading.size()));
    EntryLog log;
    const std::optional<std::int64_t> lastOption = read.Number(-1, 127);
    const std::optional<std::int64_t> hasBase = read.Number(0, 1);
    if (!lastOption || !hasBase) {
        return std::nullopt;
    }
    log.lastOption_ = static_cast<int>(*lastOption);
    if (*hasBase == 1) {
        const std::optional<std::int64_t> count = read.Number(0, MostInt32);
        if (!count) {
            return std::nullopt;
        }
        std::vector<TapeEntry> lines;
        for (std::int64_t n = 0; n < *count; ++n) {
            const std::optional<std::int64_t> code =
                read.Number(std::numeric_limits<std::int64_t>::min(), MostInt32);
            const std::optional<std::int64_t> ink = read.Number(0, 1);
            const std::optional<std::string_view> shown = read.Text();
            const std::optional<MarkAndCount> mark = code ? MarkOfLineCode(*code) : std::nullopt;
            if (!mark || !ink || !shown) {
                return std::nullopt;
            }
            lines.push_back(TapeEntry{.text = std::string(*shown),
                                      .mark = mark->mark,
                                      .itemCount = mark->itemCount,
                                      .ink = static_cast<Ink>(*ink)});
        }
        const std::optional<std::string_view> stateText = read.Text();
        std::optional<SavedState> state = stateText ? StateFromText(*stateText) : std::nullopt;
        if (!state) {
            return std::nullopt;
        }
        log.base_.emplace(std::move(lines), std::move(*state));
    }
    const std::optional<std::string_view> entries = read.Text();
    const std::optional<std::int64_t> steps = read.Number(0, MostInt32);
    if (!entries || !steps || entries->size() > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    log.entries_ = *entries;
    std::int64_t entryEnd = 0;
    std::int64_t lines = log.LinesBefore(0);
    for (std::int64_t n = 0; n < *steps; ++n) {
        const std::optional<std::int64_t> entry =
            read.Number(0, static_cast<std::int64_t>(entries->size()) - entryEnd);
        const std::optional<std::int64_t> added = read.Number(-lines, MostInt32 - lines);
        const std::optional<std::int64_t> kind = read.Number(0, 255);
        const std::optional<std::int64_t> option = read.Number(-128, 127);
        if (!entry || !added || !kind || !option) {
            return std::nullopt;
        }
        entryEnd += *entry;
        lines += *added;
        log.steps_.push_back(Step{.entryEnd = static_cast<std::uint32_t>(entryEnd),
                                  .linesAfter = static_cast<std::int32_t>(lines),
                                  .kind = static_cast<std::uint8_t>(*kind),
                                  .option = static_cast<std::int8_t>(*option)});
    }
    for (auto* texts : {&log.payloads_, &log.corrections_}) {
        const std::optional<std::int64_t> count = read.Number(0, *steps);
        if (!count) {
            return std::nullopt;
        }
        for (std::int64_t n = 0; n < *count; ++n) {
            const std::optional<std::int64_t> step = read.Number(0, *steps - 1);
            const std::optional<std::string_view> kept = read.Text();
            if (!step || !kept) {
                return std::nullopt;
            }
            (*texts)[static_cast<std::size_t>(*step)] = std::string(*kept);
        }
    }
    const std::optional<std::int64_t> settings = read.Number(0, *steps);
    if (!settings) {
        return std::nullopt;
    }
    for (std::int64_t n = 0; n < *settings; ++n) {
        const std::optional<std::int64_t> step = read.Number(0, *steps - 1);
        const std::optional<std::string_view> rate = read.Text();
        const std::optional<std::int64_t> direction =
            read.Number(0, static_cast<std::int64_t>(RoundingDirectionNames.size()) - 1);
        double taxRate = 0;
        if (!step || !rate || !direction ||
            std::from_chars(rate->data(), rate->data() + rate->size(), taxRate).ptr !=
                rate->data() + rate->size()) {
            return std::nullopt;
        }
        log.settingsFrom_[static_cast<std::size_t>(*step)] = {
            taxRate, static_cast<RoundingDirection>(*direction)};
    }
    if (!read.AtEnd()) {
        return std::nullopt;
    }
    return log;
}

}  // namespace reckora
