#pragma once
// The commands that made the current tape, kept compactly so that a past entry can be corrected:
// which command's entry each line shows, the corrections in force, and the replay of every
// command with them, which gives the corrected tape and state.

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Journal.h"
#include "NumberLocale.h"
#include "StateText.h"
#include "StoreRecords.h"
#include "TapeMark.h"

namespace reckora {

class EntryLog {
public:
    // The tape starts empty on a fresh engine (the start of a session, New).
    void StartFresh();
    // The tape starts as a kept tape and state that no command here made; its lines cannot be
    // corrected.
    void StartFrom(std::vector<TapeEntry> lines, SavedState state);
    // A command that changed the tape or the state (as the journal keeps them: a refused key,
    // for one, did not) ran and left `linesAfter` lines in force and `entryAfter` typed. Typing
    // keys that left an entry are not kept: the next command's entry holds what they typed.
    void Append(const JournalCommand& command, std::int32_t linesAfter,
                const std::string& entryAfter);

    // The command whose entered number line `line` (with mark `mark`) shows; none for a computed
    // line, or one the log did not make.
    std::optional<std::size_t> SourceOf(std::int32_t line, TapeMark mark) const;
    // The correction of command `step` (the number as the user wrote it); none removes it.
    std::optional<std::string> Correction(std::size_t step) const;
    void SetCorrection(std::size_t step, std::optional<std::string> text);
    bool HasCorrections() const { return !corrections_.empty(); }

    struct Replayed {
        std::unique_ptr<JournalRun> run;
        bool pasteRefused = false;  // a correction did not read as a number the display can show
    };
    // Every command again on a fresh engine, with the corrections in force (or none), and
    // `entry` typed at the end.
    Replayed Replay(const NumberLocale& locale, const std::string& entry,
                    bool withCorrections = true) const;

    // The log as text to keep beside its sheet (see EntryLogText.cpp), and back; nothing for a
    // text that is no such log, a damaged one say.
    std::string Written() const;
    static std::optional<EntryLog> Read(std::string_view text);
    // The lines in force after the last command (or the kept tape it started from).
    std::int32_t LinesInForce() const { return LinesBefore(steps_.size()); }

private:
    struct Step {
        std::uint32_t entryEnd;   // the entry is the arena from the previous step's end to here
        std::int32_t linesAfter;  // lines in force after the command
        std::uint8_t kind;        // a key's number or OptionCommand
        std::int8_t option;
    };
    std::int32_t LinesBefore(std::size_t step) const;
    JournalCommand RecordOf(std::size_t step) const;
    bool HasEnteredNumber(std::size_t step) const;

    std::optional<std::pair<std::vector<TapeEntry>, SavedState>> base_;
    std::deque<Step> steps_;
    std::string entries_;
    std::map<std::size_t, std::string> payloads_;
    std::map<std::size_t, std::string> corrections_;
    // The tax rate and rounding direction from each step on where they changed; they change
    // seldom, so they are not kept per step.
    struct ResultSettings {
        double taxRate = 0;
        RoundingDirection direction = RoundingDirection::Designed;
        friend bool operator==(const ResultSettings&, const ResultSettings&) = default;
    };
    std::map<std::size_t, ResultSettings> settingsFrom_;
    int lastOption_ = -1;
};

// A digit, 00 or the decimal separator: keys that only add to the entry.
bool TypesEntry(Key key);

// A journal replayed command by command, with the log it builds on the way.
struct LoggedRun {
    EntryLog log;
    std::unique_ptr<JournalRun> run;
};

// The journal from the start of its sheet, corrections and their undo included; nothing for a
// record that cannot be replayed (an unknown code, a baseline, a correction of a computed line).
std::optional<LoggedRun> ReplayIntoLog(const std::vector<JournalCommand>& records,
                                       const NumberLocale& locale);

}  // namespace reckora
