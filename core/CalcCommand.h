#pragma once
// What the user (or a journal's record) asks the calculator to do, as a value: a key, a paste, an
// option change, the work on a tape line. One CommandRunner runs it, live and in every replay;
// the journal keeps it in its record form (JournalCommand).

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "KeyCommand.h"
#include "RoundingDirection.h"

namespace reckora {

// Record codes besides the keys (whose codes are their numbers, 0..30).
inline constexpr std::int32_t OptionCommand = 100;  // the option became `rounding`
// The tape and state as they were when keeping (re)started mid-session; the commands before it
// are not in the journal, so a journal holding one cannot be replayed.
inline constexpr std::int32_t BaselineCommand = 101;
// A correction: `entry` is the new number as the user wrote it, `payload` the line's number.
inline constexpr std::int32_t CorrectCommand = 102;
// A note: `entry` is its text (empty removes it), `payload` the line's number.
inline constexpr std::int32_t NoteCommand = 103;
// The Undo key took back the correction just before it (not the engine's last operation).
inline constexpr std::int32_t UndoCorrectionCommand = 104;
// The tax rate became `payload` percent (a locale-free number).
inline constexpr std::int32_t TaxRateCommand = 105;
// The rounding direction became the one at this code plus its place in RoundingDirection.
inline constexpr std::int32_t RoundingDirectionCommand = 106;

// One completed command as the journal keeps it: by its code (a key's number, or one of the
// codes above), with the entry it consumed and its texts as the user's locale shows them. The
// kept form of it (named, in the neutral notation) is made by KeptForm.
struct JournalCommand {
    std::int64_t sequence = 0;           // 1, 2, 3 ... within its sheet, without gaps
    std::int32_t kind = 0;               // a key's number or one of the codes above
    std::string entry;                   // the entry text the command consumed; a correction's
                                         // number, a note's text
    std::int32_t rounding = 0;           // the rounding option in force
    std::optional<std::string> payload;  // the pasted text; a correction's or a note's line
    // The settings results depend on, in force like `rounding`: a replay starts each key with
    // them, so a sheet begun with a tax rate replays with it.
    double taxRate = 0;
    RoundingDirection direction = RoundingDirection::Designed;

    friend bool operator==(const JournalCommand&, const JournalCommand&) = default;
};

// A key, clicked or typed. The Undo key takes back a correction made just before it.
struct PressKey {
    Key key;
    friend bool operator==(const PressKey&, const PressKey&) = default;
};
// A click on a key face without a key: it only meets the error lock.
struct PressFace {
    int number = 0;
    friend bool operator==(const PressFace&, const PressFace&) = default;
};
// The Paste key with `text` for the clipboard's text.
struct PasteEntry {
    std::string text;
    friend bool operator==(const PasteEntry&, const PasteEntry&) = default;
};
struct ChooseOption {
    RoundingOption option = RoundingOption::Integer;
    friend bool operator==(const ChooseOption&, const ChooseOption&) = default;
};
// A window command ran that may have changed what is kept besides a key (the option by Restore
// Default, Keep Tape ticked again): journaled as the option in force when anything changed.
struct NoteSettings {
    friend bool operator==(const NoteSettings&, const NoteSettings&) = default;
};
// Line `line` (from 1) is worked out again as if `text` had been entered there.
struct CorrectLine {
    std::int32_t line = 0;
    std::string text;
    friend bool operator==(const CorrectLine&, const CorrectLine&) = default;
};
// Line `line` gets the note (one line of text; empty removes it).
struct NoteLine {
    std::int32_t line = 0;
    std::string note;
    friend bool operator==(const NoteLine&, const NoteLine&) = default;
};
// The correction made just before is taken back.
struct UndoCorrection {
    friend bool operator==(const UndoCorrection&, const UndoCorrection&) = default;
};
// The tax rate in percent that Tax+ and Tax- use from now on.
struct ChooseTaxRate {
    double percent = 0;
    friend bool operator==(const ChooseTaxRate&, const ChooseTaxRate&) = default;
};
struct ChooseRoundingDirection {
    RoundingDirection direction = RoundingDirection::Designed;
    friend bool operator==(const ChooseRoundingDirection&,
                           const ChooseRoundingDirection&) = default;
};

using CalcCommand =
    std::variant<PressKey, PressFace, PasteEntry, ChooseOption, NoteSettings, CorrectLine, NoteLine,
                 UndoCorrection, ChooseTaxRate, ChooseRoundingDirection>;

// A correction, a note or the undo of a correction: work on the tape's lines rather than keys.
bool IsTapeWork(const CalcCommand& command);
// A key or a paste, which the user's keyboard or mouse gave (the undo of a correction is one).
bool IsKey(const CalcCommand& command);

// The entry typed and the settings in force, before or after a command.
struct EntryAndOption {
    std::string entry;
    RoundingOption option = RoundingOption::Integer;
    double taxRate = 0;
    RoundingDirection direction = RoundingDirection::Designed;
};

// The journal's record of a command that ran between `before` and `after` (sequence 0).
JournalCommand RecordOf(const CalcCommand& command, const EntryAndOption& before,
                        const EntryAndOption& after);
// The command a record asks for again; nothing for a baseline, an unknown code or a correction
// without a line.
std::optional<CalcCommand> CommandOf(const JournalCommand& record);
// The line number a correction or note record names; none for a malformed one.
std::optional<std::int32_t> RecordedLine(const JournalCommand& record);

}  // namespace reckora
