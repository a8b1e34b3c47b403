#pragma once
// How the calculator's tape, state and commands are kept and read back: every number in the
// neutral notation, whatever locale it was shown in, and every command by its stable name. What
// is read back is shown in the reader's locale, so a tape kept under one language reads right
// under any other.

#include <optional>
#include <string>
#include <string_view>

#include "Journal.h"
#include "LineExtras.h"
#include "NumberLocale.h"
#include "StateText.h"
#include "StoreRecords.h"
#include "TapeLine.h"
#include "TapeMark.h"

namespace reckora {

class KeptForm {
public:
    explicit KeptForm(NumberLocale locale) : locale_(std::move(locale)) {}

    // A tape line and its extras as kept.
    store::StoredLine Line(const TapeLine& line, const LineExtras* extras) const;
    store::StoredLine Line(const TapeEntry& entry) const;
    // A kept line as the reader's tape shows it; nothing for an unknown mark.
    std::optional<TapeEntry> Entry(const store::StoredLine& line) const;
    LineExtras Extras(const store::StoredLine& line) const;

    std::string State(const SavedState& state) const;
    // Nothing for a text that is not a state of this version.
    std::optional<SavedState> StateOf(std::string_view text) const;

    store::CommandRecord Command(const JournalCommand& command) const;
    // A command with a name no version knows keeps its sequence with a code no command has, so
    // that a replay stops there.
    JournalCommand JournalOf(const store::CommandRecord& record) const;

    // A kept number text (a sheet's last total) as the reader sees it.
    std::string Shown(std::string_view kept) const;

private:
    NumberLocale locale_;
};

// The stable name of a command code (a key's number or one of the journal's own codes), and
// back; every name is also a key's name or one of the journal's.
std::string_view CommandName(std::int32_t code);
std::optional<std::int32_t> CommandCode(std::string_view name);

}  // namespace reckora
