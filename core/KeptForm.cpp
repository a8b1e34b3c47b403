#include "KeptForm.h"

#include <array>

#include "EntryLog.h"
#include "NumberNotation.h"
#include "NumberParse.h"

namespace reckora {
namespace {

struct JournalName {
    std::int32_t code;
    std::string_view name;
};

// The journal's commands besides the keys (whose names are in the key table).
constexpr std::array<JournalName, 10> JournalNames{{
    {OptionCommand, "option"},
    {BaselineCommand, "baseline"},
    {CorrectCommand, "correct"},
    {NoteCommand, "note"},
    {UndoCorrectionCommand, "undo-correction"},
    {TaxRateCommand, "tax-rate"},
    {RoundingDirectionCommand + 0, "rounding-designed"},
    {RoundingDirectionCommand + 1, "rounding-halfup"},
    {RoundingDirectionCommand + 2, "rounding-up"},
    {RoundingDirectionCommand + 3, "rounding-down"},
}};
static_assert(RoundingDirectionNames.size() == 4);

// A code no command has: the replay stops at it.
constexpr std::int32_t UnknownCommand = -1;
constexpr char NoEntry[] = "0";

store::StoredLine LineWith(std::string text, TapeMark mark, std::int32_t itemCount, Ink ink) {
    store::StoredLine line;
    line.text = std::move(text);
    line.mark = static_cast<std::int32_t>(TapeLineCode(mark, 0));
    line.itemCount = itemCount;
    line.negative = ink == Ink::Red;
    return line;
}

}  // namespace

std::string_view CommandName(std::int32_t code) {
    if (const std::optional<Key> key = AnyKeyAt(code)) {
        return RowOf(*key).name;
    }
    for (const JournalName& row : JournalNames) {
        if (row.code == code) {
            return row.name;
        }
    }
    return "unknown";
}

std::optional<std::int32_t> CommandCode(std::string_view name) {
    if (const std::optional<Key> key = KeyNamed(name)) {
        return KeyNumber(*key);
    }
    for (const JournalName& row : JournalNames) {
        if (row.name == name) {
            return row.code;
        }
    }
    return std::nullopt;
}

store::StoredLine KeptForm::Line(const TapeLine& line, const LineExtras* extras) const {
    store::StoredLine stored =
        LineWith(ToNeutral(line.text.View(), locale_), line.mark, line.itemCount, line.ink);
    if (extras != nullptr) {
        if (!extras->note.empty()) {
            stored.note = extras->note;
        }
        if (!extras->original.empty()) {
            stored.original = ToNeutral(extras->original, locale_);
        }
        stored.changed = extras->changed;
    }
    return stored;
}

store::StoredLine KeptForm::Line(const TapeEntry& entry) const {
    return LineWith(ToNeutral(entry.text, locale_), entry.mark, entry.itemCount, entry.ink);
}

std::optional<TapeEntry> KeptForm::Entry(const store::StoredLine& line) const {
    const std::optional<MarkAndCount> mark = MarkOfLineCode(line.mark);
    if (!mark) {
        return std::nullopt;
    }
    return TapeEntry{.text = FromNeutral(line.text, locale_),
                     .mark = mark->mark,
                     .itemCount = line.itemCount,
                     .ink = line.negative ? Ink::Red : Ink::Dark};
}

LineExtras KeptForm::Extras(const store::StoredLine& line) const {
    return LineExtras{.note = line.note.value_or(""),
                      .original = line.original ? FromNeutral(*line.original, locale_) : "",
                      .changed = line.changed};
}

std::string KeptForm::State(const SavedState& state) const {
    SavedState kept = state;
    for (std::string* text : {&kept.engine.entryText, &kept.engine.pendingCaption,
                              &kept.shown.display, &kept.shown.memory, &kept.shown.counter}) {
        *text = ToNeutral(*text, locale_);
    }
    return StateAsText(kept);
}

std::optional<SavedState> KeptForm::StateOf(std::string_view text) const {
    std::optional<SavedState> state = StateFromText(text);
    if (state) {
        for (std::string* shown :
             {&state->engine.entryText, &state->engine.pendingCaption, &state->shown.display,
              &state->shown.memory, &state->shown.counter}) {
            *shown = FromNeutral(*shown, locale_);
        }
    }
    return state;
}

store::CommandRecord KeptForm::Command(const JournalCommand& command) const {
    store::CommandRecord record{.sequence = command.sequence,
                                .name = std::string(CommandName(command.kind)),
                                .entry = ToNeutral(command.entry, locale_),
                                .rounding = command.rounding,
                                .line = std::nullopt,
                                .number = std::nullopt,
                                .note = std::nullopt,
                                .taxRate = std::nullopt,
                                .roundingDirection = std::nullopt};
    if (command.taxRate != 0) {
        record.taxRate = command.taxRate;
    }
    if (command.direction != RoundingDirection::Designed) {
        record.roundingDirection = std::string(NameOf(command.direction));
    }
    const auto numberOf = [this](const std::string& text) -> std::optional<std::string> {
        const std::optional<double> value = ReadNumber(text, NumberForm::Pasted, locale_);
        return value ? std::optional(ValueText(*value)) : std::nullopt;
    };
    if (command.kind == KeyNumber(Key::Paste) && command.payload) {
        record.number = numberOf(*command.payload);
    } else if (command.kind == TaxRateCommand) {
        record.number = command.payload;  // locale-free already
    } else if (command.kind == CorrectCommand || command.kind == NoteCommand ||
               command.kind == UndoCorrectionCommand) {
        if (const std::optional<std::int32_t> line = RecordedLine(command)) {
            record.line = *line;
        }
        if (command.kind == CorrectCommand) {
            record.number = numberOf(command.entry);
        } else if (command.kind == NoteCommand && !command.entry.empty()) {
            record.note = command.entry;
        }
        record.entry = NoEntry;
    }
    return record;
}

JournalCommand KeptForm::JournalOf(const store::CommandRecord& record) const {
    JournalCommand command{
        .sequence = record.sequence,
        .kind = CommandCode(record.name).value_or(UnknownCommand),
        .entry = FromNeutral(record.entry, locale_),
        .rounding = record.rounding,
        .payload = std::nullopt,
        .taxRate = record.taxRate.value_or(0),
        .direction = RoundingDirectionNamed(record.roundingDirection.value_or(""))
                         .value_or(RoundingDirection::Designed)};
    if (command.kind == KeyNumber(Key::Paste) && record.number) {
        command.payload = FromNeutral(*record.number, locale_);
    } else if (command.kind == TaxRateCommand) {
        command.payload = record.number;
    } else if (command.kind == CorrectCommand) {
        command.entry = FromNeutral(record.number.value_or(""), locale_);
    } else if (command.kind == NoteCommand) {
        command.entry = record.note.value_or("");
    }
    if (record.line) {
        command.payload = std::to_string(*record.line);
    }
    return command;
}

std::string KeptForm::Shown(std::string_view kept) const {
    return FromNeutral(kept, locale_);
}

}  // namespace reckora
