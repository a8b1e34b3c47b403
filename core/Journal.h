#pragma once
// The journal of a kept tape: what each completed command was given (the key, the entry it
// consumed, the option in force, the pasted text), and its replay through a fresh engine, which
// gives the tape and the state the live calculator had.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CalcCommand.h"
#include "CommandRunner.h"
#include "KeyCommand.h"
#include "LineExtras.h"
#include "NumberLocale.h"
#include "StateText.h"
#include "StoreRecords.h"
#include "TapeLine.h"
#include "TapeMark.h"

namespace reckora {

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
    // Runs a record through the runner as the live calculator ran it: the option in force and
    // the entry it consumed first (for a key), the display timer fired after it. Nothing for a
    // record it cannot run (a baseline, an unknown code) or tape work it declined.
    std::optional<CommandOutcome> Run(const JournalCommand& record);
    // The corrections, notes and their undo in the records go to `tapeWork`; without it they
    // are declined.
    void SetTapeWork(TapeWorkTarget* tapeWork);
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
