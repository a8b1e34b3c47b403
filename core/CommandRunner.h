#pragma once
// Runs a CalcCommand the same way live, in the replay of a journal and in a correction's replay:
// it notes what it needs before, dispatches the command to the engine or to the tape work, and
// hands one CommandOutcome to everyone listening (the keeper, the entry log, the announcer, the
// window). No command waits in a field for a later call.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "CalcCommand.h"
#include "Calculator.h"
#include "StateText.h"
#include "TapeModel.h"

namespace reckora {

// What one command did.
struct CommandOutcome {
    CalcCommand command;    // as it ran: an Undo key that took back a correction is UndoCorrection
    JournalCommand record;  // its journal record, sequence 0 (live only)
    std::int32_t firstChanged = 0;  // the first line it may have changed; 0 when none
    std::int32_t linesBefore = 0;   // lines in force before and after
    std::int32_t linesAfter = 0;
    // What it did to the lines of the tape the runner follows, as the tape announced it; only a
    // runner that follows a tape knows.
    std::optional<LineChanges> lineChanges;
    bool stateChanged = false;   // the state as kept differs (live only)
    bool engineRefused = false;  // the engine refused it (a paste past the display's capacity)
    // Tape work that did not run, with the reason worded for showMessage (empty: nothing to say).
    std::optional<std::string> declined;

    bool LinesChanged() const { return linesBefore != linesAfter; }
};

// The calculator a runner works on: the live one, or a replay's fresh engine.
class CommandTarget {
public:
    virtual Calculator& Engine() = 0;
    virtual std::int32_t LinesInForce() const = 0;
    virtual SavedState State() const = 0;
    // A key is about to run (the live tape leaves its selection).
    virtual void BeforeKey() {}

protected:
    ~CommandTarget() = default;
};

// The work on the tape's lines; each returns the reason when it declines (nothing changed).
class TapeWorkTarget {
public:
    virtual std::optional<std::string> Correct(std::int32_t line, const std::string& text) = 0;
    virtual std::optional<std::string> Note(std::int32_t line, const std::string& note) = 0;
    // The last command was a correction that the Undo key takes back.
    virtual bool HoldsCorrectionUndo() const = 0;
    virtual std::optional<std::string> TakeBackCorrection() = 0;

protected:
    ~TapeWorkTarget() = default;
};

// Live, the runner compares the state before and after each command and writes its journal
// record; a replay runs records journaled already, where nobody asks for either.
enum class RunnerUse { Live, Replay };

class CommandRunner {
public:
    using Listener = std::function<void(const CommandOutcome&)>;

    CommandRunner(CommandTarget& target, RunnerUse use);
    ~CommandRunner();
    CommandRunner(const CommandRunner&) = delete;
    CommandRunner& operator=(const CommandRunner&) = delete;
    // Each outcome says what the command did to `tape`'s lines (the target's tape), which must
    // outlive the runner.
    void Follow(TapeModel& tape);
    // Without tape work, corrections, notes and their undo are declined.
    void SetTapeWork(TapeWorkTarget* tapeWork) { tapeWork_ = tapeWork; }
    // Listeners hear every outcome in the order they were added.
    void Listen(Listener listener);
    CommandOutcome Run(const CalcCommand& command);

private:
    // The Undo key is the undo of a correction while one is undoable.
    CalcCommand Resolved(const CalcCommand& command) const;
    std::optional<std::string> Dispatch(const CalcCommand& command);

    CommandTarget& target_;
    TapeWorkTarget* tapeWork_ = nullptr;
    RunnerUse use_;
    std::vector<Listener> listeners_;
    TapeModel* tape_ = nullptr;
    TapeModel::ListenerId listening_ = 0;
    // The changes the tape announced since the running command began.
    std::optional<LineChanges> lineChanges_;
};

}  // namespace reckora
