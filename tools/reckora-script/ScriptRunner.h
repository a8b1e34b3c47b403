#pragma once
// Reads key scripts line by line and runs them against a headless calculator, printing the
// visible state as JSON lines. The command table is data; each command is a small handler.

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ScriptSession.h"

namespace reckora::script {

// A line the harness cannot run; nothing after it runs.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An `expect` line whose value differs from the state; nothing after it runs.
class ExpectationFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The words of a command line after its name, and the raw rest of the line (for `clip`).
struct CommandArgs {
    std::vector<std::string_view> words;
    std::string_view rest;
};

class ScriptRunner;
using CommandHandler = void (*)(ScriptRunner& runner, const CommandArgs& args);

struct ScriptCommand {
    std::string_view name;
    CommandHandler run;
};

class ScriptRunner {
public:
    struct Options {
        SessionOptions session = {};
        // When set, the files a script names (journal, export, clipfile) must lie inside this
        // folder and are looked for there; a path that leads out of it is a malformed line.
        std::optional<std::filesystem::path> fileFolder = std::nullopt;
    };

    explicit ScriptRunner(std::ostream& out);
    ScriptRunner(std::ostream& out, Options options);

    // Runs one line of a script. Throws ScriptError for a malformed line. Returns false once
    // the calculator has been closed and nothing more may run.
    bool RunLine(std::string_view line);

    // Prints the closing dump unless the last command was one.
    void Finish();

    // The calculator, created with the start state on first use.
    ScriptSession& Session();
    bool HasSession() const { return session_ != nullptr; }
    bool Closed() const { return closed_; }

    // Used by the command handlers.
    void PrintDump();
    void SetLocale(const NumberLocale& locale);
    // Puts a text under a key of the settings store the session starts with; nullopt removes
    // the key. Only before the session has started.
    void SetStoredSetting(const std::string& key, const std::optional<std::string>& value);
    // The file a path named in the script stands for (see Options::fileFolder). Throws
    // ScriptError for a path the runner may not use.
    std::filesystem::path FilePath(std::string_view named) const;
    // The tape store the session keeps its tape in; only before the session has started.
    void SetTapeStore(const std::filesystem::path& path);
    // Ends the session as the program's exit does and starts it again with the same locale,
    // settings store and tape store.
    void Restart();
    std::ostream& Out() { return out_; }
    // The calculator's window was closed: prints the final dump and the exit line.
    void CloseCalculator();

private:
    std::ostream& out_;
    Options options_;
    NumberLocale locale_;
    StoredSettings settings_;
    std::unique_ptr<ScriptSession> session_;
    std::vector<ScriptCommand> commands_;
    bool anyCommand_ = false;
    bool lastWasDump_ = false;
    bool closed_ = false;
};

// Helpers for command handlers.
int ParseInteger(std::string_view word);
std::vector<int> ParseIntegers(const CommandArgs& args, std::size_t minimum);
// Key numbers, or the keys' words (see KeyCommand.h) in their place.
// A key a script names: a face's number, or a business key by its name (those work whether their
// row is shown or not, as their menu entries and bindings do).
struct ScriptKey {
    int number = 0;
    std::optional<Key> business;
};
std::vector<ScriptKey> ParseKeys(const CommandArgs& args);
void RequireWordCount(const CommandArgs& args, std::size_t count);

// The command tables; the runner looks commands up in all of them.
std::span<const ScriptCommand> CalculatorCommands();
std::span<const ScriptCommand> KeyboardCommands();
std::span<const ScriptCommand> WindowCommands();
std::span<const ScriptCommand> TapeCommands();

}  // namespace reckora::script
