#include "CalcCommand.h"

#include <charconv>

#include "NumberNotation.h"
#include "Overloaded.h"

namespace reckora {
namespace {

JournalCommand Record(std::int32_t kind, std::string entry, const EntryAndOption& settings,
                      std::optional<std::string> payload = std::nullopt) {
    return {.sequence = 0,
            .kind = kind,
            .entry = std::move(entry),
            .rounding = OptionIndex(settings.option),
            .payload = std::move(payload),
            .taxRate = settings.taxRate,
            .direction = settings.direction};
}

}  // namespace

bool IsTapeWork(const CalcCommand& command) {
    return std::holds_alternative<CorrectLine>(command) ||
           std::holds_alternative<NoteLine>(command) ||
           std::holds_alternative<UndoCorrection>(command);
}

bool IsKey(const CalcCommand& command) {
    return std::holds_alternative<PressKey>(command) ||
           std::holds_alternative<PasteEntry>(command) ||
           std::holds_alternative<UndoCorrection>(command);
}

// A key consumes the entry typed before it under the option in force then; what is not a key is
// noted as it left things.
JournalCommand RecordOf(const CalcCommand& command, const EntryAndOption& before,
                        const EntryAndOption& after) {
    return std::visit(
        Overloaded{
            [&](const PressKey& press) {
                return Record(KeyNumber(press.key), before.entry, before);
            },
            [&](const PasteEntry& paste) {
                return Record(KeyNumber(Key::Paste), before.entry, before, paste.text);
            },
            [&](const UndoCorrection&) {
                return Record(UndoCorrectionCommand, before.entry, before);
            },
            [&](const CorrectLine& correct) {
                return Record(CorrectCommand, correct.text, after, std::to_string(correct.line));
            },
            [&](const NoteLine& note) {
                return Record(NoteCommand, note.note, after, std::to_string(note.line));
            },
            [&](const ChooseTaxRate& rate) {
                return Record(TaxRateCommand, after.entry, after, ValueText(rate.percent));
            },
            [&](const ChooseRoundingDirection& choose) {
                return Record(RoundingDirectionCommand + static_cast<int>(choose.direction),
                              after.entry, after);
            },
            [&](const auto&) { return Record(OptionCommand, after.entry, after); },
        },
        command);
}

std::optional<CalcCommand> CommandOf(const JournalCommand& record) {
    switch (record.kind) {
        case OptionCommand:
            if (const std::optional<RoundingOption> option = RoundingOptionAt(record.rounding)) {
                return ChooseOption{*option};
            }
            return std::nullopt;
        case CorrectCommand:
            if (const std::optional<std::int32_t> line = RecordedLine(record)) {
                return CorrectLine{*line, record.entry};
            }
            return std::nullopt;
        case NoteCommand:
            return NoteLine{RecordedLine(record).value_or(0), record.entry};
        case UndoCorrectionCommand:
            return UndoCorrection{};
        case TaxRateCommand: {
            double percent = 0;
            const std::string text = record.payload.value_or("");
            const auto [end, error] =
                std::from_chars(text.data(), text.data() + text.size(), percent);
            if (error != std::errc{} || end != text.data() + text.size()) {
                return std::nullopt;
            }
            return ChooseTaxRate{percent};
        }
        default:
            break;
    }
    const std::int32_t direction = record.kind - RoundingDirectionCommand;
    if (direction >= 0 && direction < static_cast<std::int32_t>(RoundingDirectionNames.size())) {
        return ChooseRoundingDirection{static_cast<RoundingDirection>(direction)};
    }
    const std::optional<Key> key = AnyKeyAt(record.kind);
    if (!key) {
        return std::nullopt;
    }
    if (*key == Key::Paste) {
        return PasteEntry{record.payload.value_or("")};
    }
    return PressKey{*key};
}

std::optional<std::int32_t> RecordedLine(const JournalCommand& record) {
    if (!record.payload) {
        return std::nullopt;
    }
    std::int32_t line = 0;
    const std::string& text = *record.payload;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), line);
    if (error != std::errc{} || end != text.data() + text.size() || line < 1) {
        return std::nullopt;
    }
    return line;
}

}  // namespace reckora
