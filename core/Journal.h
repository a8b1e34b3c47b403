#pragma once
// The journal of a kept tape: what each completed command was given (the key, the entry it
// consumed, the option in force, the pasted text), and its replay through a fresh engine, which
// gives the tape and the state the live calculator had.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "KeyCommand.h"
#include "LineExtras.h"
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

// A correction: `entry` is the new number as the user wrote it, `payload` the line's number.
inline constexpr std::int32_t kCorrectCommand = 102;
// A note: `entry` is its text (empty removes it), `payload` the line's number.
inline constexpr std::int32_t kNoteCommand = 103;
// The Undo key took back the correction just before it (not the engine's last operation).
inline constexpr std::int32_t kUndoCorrectionCommand = 104;

// One completed command as the core runs it again: by its code (a key's number, or one of the
// codes above), with the entry it consumed and its texts as the user's locale shows them. The
// kept form of it (named, in the neutral notation) is made by KeptForm.
struct JournalCommand {
    std::int64_t sequence = 0;           // 1, 2, 3 ... within its sheet, without gaps
    std::int32_t kind = 0;               // a key's number or one of the codes above
    std::string entry;                   // the entry text the command consumed; a correction's
                                         // number, a note's text
    std::int32_t rounding = 0;           // the rounding option in force
    std::optional<std::string> payload;  // the pasted text; a correction's or a note's line

    friend bool operator==(const JournalCommand&, const JournalCommand&) = default;
};

// A command as the core noted it before it ran.
struct JournalInput {
    std::optional<Key> key;             // none: `command` says what it was
    std::string entry;                  // the typed entry before the command
    int option = 0;                     // the option in force (for an option change: the new one)
    std::optional<std::string> pasted;  // the clipboard's text, for Paste; the line, for a line
    std::int32_t command = kOptionCommand;
};

JournalCommand JournalRecord(const JournalInput& input, std::int64_t sequence);

struct ReplayedSheet {
    SavedState state;
    std::vector<TapeEntry> lines;
};

// A fresh engine on in-memory parts that runs journaled commands one by one, firing the display
// timer after each as a pausing user would.
class JournalRun {
public:
    explicit JournalRun(const NumberLocale& locale);
    ~JournalRun();
    JournalRun(const JournalRun&) = delete;
    JournalRun& operator=(const JournalRun&) = delete;

    // Starts from a kept tape and state instead of the empty one.
    void StartFrom(const std::vector<TapeEntry>& lines, const SavedState& state);
    // Runs a key or option record; false for any other code.
    bool Run(const JournalCommand& record);
    void SelectOption(int option);
    // Pastes `text` as the entry of the next command; false when the paste was refused.
    bool PasteEntry(const std::string& text);
    // Makes `text` the typed entry (what a user typed after the last command).
    void TypeEntry(const std::string& text);
    std::int32_t Lines() const;
    const TapeEntry& Line(std::int32_t position) const;
    const EngineState& State() const;
    ReplayedSheet Result() const;

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

// Runs the records in order through a fresh engine in `locale`, corrections included; nothing
// for a record it cannot run (an unknown code, a baseline, a correction of a computed line).
std::optional<ReplayedSheet> ReplayJournal(const std::vector<JournalCommand>& records,
                                           const NumberLocale& locale);

}  // namespace reckora
