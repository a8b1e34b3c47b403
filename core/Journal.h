#pragma once
// The journal of a kept tape: what each completed command was given (the key, the entry it
// consumed, the option in force, the pasted text), and its replay through a fresh engine, which
// gives the tape and the state the live calculator had.

#include <cstdint>
#include <optional>
#include <vector>

#include "KeyCommand.h"
#include "NumberLocale.h"
#include "StateText.h"
#include "StoreRecords.h"
#include "TapeLine.h"
#include "TapeMark.h"

namespace reckora {

// Command codes besides the keys (whose codes are their numbers, 0..30).
inline constexpr std::int32_t kOptionCommand = 100;  // the option became `rounding`
// The tape and state as they were when keeping (re)started mid-session; the commands before it
// are not in the journal, so a journal holding one cannot be replayed.
inline constexpr std::int32_t kBaselineCommand = 101;

// A command as the core noted it before it ran.
struct JournalInput {
    std::optional<Key> key;             // none: only the option changed
    std::string entry;                  // the typed entry before the command
    int option = 0;                     // the option in force (for an option change: the new one)
    std::optional<std::string> pasted;  // the clipboard's text, for Paste
};

store::CommandRecord JournalRecord(const JournalInput& input, std::int64_t sequence);

struct ReplayedSheet {
    SavedState state;
    std::vector<TapeEntry> lines;
};

// Runs the records in order through a fresh engine in `locale`; nothing for a record it cannot
// run (an unknown code, a baseline).
std::optional<ReplayedSheet> ReplayJournal(const std::vector<store::CommandRecord>& records,
                                           const NumberLocale& locale);

// A tape line as stored and back; a stored line with an unknown mark gives nothing.
store::StoredLine StoredLineOf(const TapeEntry& entry);
store::StoredLine StoredLineOf(const TapeLine& line);
std::optional<TapeEntry> TapeEntryOf(store::StoredLine line);

}  // namespace reckora
