#pragma once
// The records a tape store keeps: tape lines, the commands that made them, and sheet summaries.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace reckora::store {

using SheetId = std::int64_t;

// Line marks by the numbers lines have in saved tapes (TapeLineCode of the engine): -2 pending
// result .. 10 memory clear, 11 .. 20 the business functions' lines (since version 3); a total is
// TotalMark (TapeLineCode(Total, 0)) with its item count in StoredLine::itemCount, a grand total
// GrandTotalMark with its count of totals there.
inline constexpr std::int32_t LowestMark = -2;
inline constexpr std::int32_t HighestMark = 20;
inline constexpr std::int32_t TotalMark = 100;
inline constexpr std::int32_t GrandTotalMark = -100;

// Longest text the store accepts in a line or a command; longer ones are refused on loading.
inline constexpr std::size_t MaxStoredText = 4096;
// Longest command name.
inline constexpr std::size_t MaxCommandName = 32;

// One tape line as shown.
struct StoredLine {
    std::string text;            // as shown, digit for digit, in the neutral notation
    std::int32_t mark = 0;       // LowestMark..HighestMark, TotalMark or GrandTotalMark
    std::int32_t itemCount = 0;  // the count of a total or grand total line, 0 on other lines
    bool negative = false;       // drawn in red: a negative value or an error line
    std::optional<std::string> note;
    std::optional<std::string> original;  // a corrected entry's text before, neutral notation
    bool changed = false;                 // carries the change mark: a correction changed it

    friend bool operator==(const StoredLine&, const StoredLine&) = default;
};

// One completed command as kept: what was done, by a stable name from the core's command table
// (for example "add", "total", "paste", "option", "correct", "note", "undo-correction"), and what
// it was given. Numbers are in the neutral notation ("." decimals, "," grouping), never in the
// separators of the locale they were typed in.
struct CommandRecord {
    std::int64_t sequence = 0;          // 1, 2, 3 ... within its sheet, without gaps
    std::string name;                   // what was done
    std::string entry;                  // the entry typed before the command ("0" for none)
    std::int32_t rounding = 0;          // the rounding option in force
    std::optional<std::int64_t> line;   // the line a correction or a note is for, from 1
    std::optional<std::string> number;  // a value the command hands the engine: the pasted
                                        // number, a correction ("1250.5", "-3", "1e+300")
    std::optional<std::string> note;    // a note's text; none removes the note
    // The settings results depend on, in force like `rounding` (since version 3): the tax rate in
    // percent, none for 0; the rounding direction's name, none for the designed one.
    std::optional<double> taxRate;
    std::optional<std::string> roundingDirection;

    friend bool operator==(const CommandRecord&, const CommandRecord&) = default;
};

// A line rewritten where it stands, by its position from 1.
struct LineUpdate {
    std::int64_t position = 0;
    StoredLine line;
};

// What one command did to its sheet: lines 1..keepLines stay, every line after them is replaced
// by `lines`, then the lines in `updates` are rewritten in place (each within the lines kept).
// Appending keeps all lines; an undo that cuts back n lines keeps count - n and adds none; a
// correction that leaves the count as it was keeps all lines and updates those it changed.
struct SheetChange {
    CommandRecord command;
    std::int64_t keepLines = 0;
    std::vector<StoredLine> lines;
    std::string state;  // the engine's state after the command (neutral notation), opaque here
    std::vector<LineUpdate> updates;
};

struct SheetSummary {
    SheetId id = 0;
    std::int64_t startedMs = 0;  // milliseconds since 1970 (UTC)
    std::int64_t changedMs = 0;
    std::int64_t lineCount = 0;
    std::int64_t lastSequence = 0;  // sequence of the last command recorded, 0 for none
    std::string lastTotal;          // text of the last total line in force, empty if none
    std::string name;               // the name the user gave the sheet, empty if none

    friend bool operator==(const SheetSummary&, const SheetSummary&) = default;
};

// A sheet as restored: its lines in order and the latest state (empty for a sheet without
// commands). Command records are loaded separately, only for replay.
struct LoadedSheet {
    SheetSummary summary;
    std::vector<StoredLine> lines;
    std::string state;
};

}  // namespace reckora::store
