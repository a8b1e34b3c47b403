#include "StoredRows.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace reckora::store {

namespace {

bool IsCountedMark(std::int64_t mark) {
    return mark == TotalMark || mark == GrandTotalMark;
}

bool IsKnownMark(std::int64_t mark) {
    return (mark >= LowestMark && mark <= HighestMark) || IsCountedMark(mark);
}

bool IsUsableText(std::string_view text) {
    return text.size() <= MaxStoredText && IsValidUtf8(text);
}

std::optional<std::int64_t> IntIn(const Statement& row, int column, std::int64_t lowest,
                                  std::int64_t highest) {
    if (row.Type(column) != SQLITE_INTEGER) {
        return std::nullopt;
    }
    const std::int64_t value = row.Int(column);
    if (value < lowest || value > highest) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::int32_t> Int32(const Statement& row, int column) {
    const auto value = IntIn(row, column, std::numeric_limits<std::int32_t>::min(),
                             std::numeric_limits<std::int32_t>::max());
    return value ? std::optional<std::int32_t>(static_cast<std::int32_t>(*value)) : std::nullopt;
}

std::optional<std::string> Text(const Statement& row, int column) {
    if (row.Type(column) != SQLITE_TEXT) {
        return std::nullopt;
    }
    const std::string_view text = row.Text(column);
    return IsUsableText(text) ? std::optional<std::string>(text) : std::nullopt;
}

// A text column that may be NULL: outer nothing means unusable.
std::optional<std::optional<std::string>> OptionalText(const Statement& row, int column) {
    if (row.Type(column) == SQLITE_NULL) {
        return std::optional<std::string>{};
    }
    if (auto text = Text(row, column)) {
        return std::optional<std::string>(std::move(*text));
    }
    return std::nullopt;
}

}  // namespace

bool IsStorable(const StoredLine& line) {
    return IsKnownMark(line.mark) && line.itemCount >= 0 &&
           (IsCountedMark(line.mark) || line.itemCount == 0) && IsUsableText(line.text) &&
           (!line.note || IsUsableText(*line.note)) &&
           (!line.original || IsUsableText(*line.original));
}

bool IsStorable(const CommandRecord& command) {
    return command.sequence > 0 && IsCommandName(command.name) && IsUsableText(command.entry) &&
           (!command.line || *command.line > 0) &&
           (!command.number || IsUsableText(*command.number)) &&
           (!command.note || IsUsableText(*command.note)) &&
           (!command.taxRate || std::isfinite(*command.taxRate)) &&
           (!command.roundingDirection || IsCommandName(*command.roundingDirection));
}

bool IsCommandName(std::string_view name) {
    return !name.empty() && name.size() <= MaxCommandName &&
           std::all_of(name.begin(), name.end(), [](char c) {
               return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
           });
}

std::optional<StoredLine> ReadLine(const Statement& row, int first) {
    StoredLine line;
    auto text = Text(row, first);
    const auto mark = IntIn(row, first + 1, GrandTotalMark, TotalMark);
    const auto count = IntIn(row, first + 2, 0, std::numeric_limits<std::int32_t>::max());
    const auto negative = IntIn(row, first + 3, 0, 1);
    auto note = OptionalText(row, first + 4);
    auto original = OptionalText(row, first + 5);
    const bool changedNull = row.Type(first + 6) == SQLITE_NULL;
    const auto changed = changedNull ? std::optional<std::int64_t>(0) : IntIn(row, first + 6, 0, 1);
    if (!text || !mark || !count || !negative || !note || !original || !changed) {
        return std::nullopt;
    }
    line.text = std::move(*text);
    line.mark = static_cast<std::int32_t>(*mark);
    line.itemCount = static_cast<std::int32_t>(*count);
    line.negative = *negative == 1;
    line.note = std::move(*note);
    line.original = std::move(*original);
    line.changed = *changed == 1;
    // The texts were checked as they were read; what is left of IsStorable is the mark.
    return IsKnownMark(line.mark) && (IsCountedMark(line.mark) || line.itemCount == 0)
               ? std::optional<StoredLine>(std::move(line))
               : std::nullopt;
}

std::optional<CommandRecord> ReadCommand(const Statement& row, int first, std::int64_t after) {
    constexpr std::int64_t Largest = std::numeric_limits<std::int64_t>::max();
    const auto sequence = IntIn(row, first, after + 1, Largest);
    auto name = Text(row, first + 1);
    auto entry = Text(row, first + 2);
    const auto rounding = Int32(row, first + 3);
    const bool lineNull = row.Type(first + 4) == SQLITE_NULL;
    const auto line = lineNull ? std::optional<std::int64_t>(0) : IntIn(row, first + 4, 1, Largest);
    auto number = OptionalText(row, first + 5);
    auto note = OptionalText(row, first + 6);
    const int rateType = row.Type(first + 7);
    const bool rateUsable =
        rateType == SQLITE_NULL || rateType == SQLITE_FLOAT || rateType == SQLITE_INTEGER;
    auto direction = OptionalText(row, first + 8);
    if (!sequence || !name || !entry || !rounding || !line || !number || !note || !rateUsable ||
        !direction) {
        return std::nullopt;
    }
    CommandRecord command{
        *sequence,
        std::move(*name),
        std::move(*entry),
        *rounding,
        lineNull ? std::nullopt : line,
        std::move(*number),
        std::move(*note),
        rateType == SQLITE_NULL ? std::nullopt : std::optional(row.Real(first + 7)),
        std::move(*direction)};
    return IsStorable(command) ? std::optional<CommandRecord>(std::move(command)) : std::nullopt;
}

std::optional<SheetSummary> ReadSummary(const Statement& row, int first) {
    constexpr std::int64_t Largest = std::numeric_limits<std::int64_t>::max();
    const auto id = IntIn(row, first, 1, Largest);
    const auto started = IntIn(row, first + 1, 0, Largest);
    const auto changed = IntIn(row, first + 2, 0, Largest);
    const auto lines = IntIn(row, first + 3, 0, Largest);
    const auto lastSequence = IntIn(row, first + 4, 0, Largest);
    auto lastTotal = OptionalText(row, first + 5);
    auto name = OptionalText(row, first + 6);
    if (!id || !started || !changed || !lines || !lastSequence || !lastTotal || !name) {
        return std::nullopt;
    }
    return SheetSummary{*id,
                        *started,
                        *changed,
                        *lines,
                        *lastSequence,
                        lastTotal->value_or(""),
                        name->value_or("")};
}

}  // namespace reckora::store
