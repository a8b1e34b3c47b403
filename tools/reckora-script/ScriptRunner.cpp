#include "ScriptRunner.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <ostream>
#include <utility>

#include "ScriptPath.h"

namespace reckora::script {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

std::vector<std::string_view> SplitWords(std::string_view text) {
    std::vector<std::string_view> words;
    while (!(text = TrimLeft(text)).empty()) {
        std::size_t end = 0;
        while (end < text.size() && !IsBlank(text[end])) {
            ++end;
        }
        words.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
    return words;
}

// One character of valid UTF-8 text.
bool IsOneCharacter(std::string_view word) {
    if (word.empty()) {
        return false;
    }
    const auto lead = static_cast<unsigned char>(word.front());
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (word.size() != length || (lead >= 0x80 && lead < 0xC2) || lead > 0xF4) {
        return false;
    }
    return std::all_of(word.begin() + 1, word.end(),
                       [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; });
}

// Separators that would make numbers unreadable: digits, signs, the exponent mark.
bool IsUsableSeparator(std::string_view word) {
    return IsOneCharacter(word) &&
           std::string_view("0123456789+-eE").find(word) == std::string_view::npos;
}

void RunLocale(ScriptRunner& runner, const CommandArgs& args) {
    RequireWordCount(args, 2);
    if (!IsUsableSeparator(args.words[0]) || !IsUsableSeparator(args.words[1]) ||
        args.words[0] == args.words[1]) {
        throw ScriptError("locale takes two different separators of one character each");
    }
    runner.SetLocale(NumberLocale{std::string(args.words[0]), std::string(args.words[1])});
}

void PressKeys(ScriptRunner& runner, const CommandArgs& args, bool fireTimer) {
    for (const ScriptKey& key : ParseKeys(args)) {
        if (key.business) {
            runner.Session().Click(*key.business, fireTimer);
        } else {
            runner.Session().Key(key.number, fireTimer);
        }
    }
}

void RunKey(ScriptRunner& runner, const CommandArgs& args) {
    PressKeys(runner, args, true);
}

void RunBurst(ScriptRunner& runner, const CommandArgs& args) {
    PressKeys(runner, args, false);
}

void RunTick(ScriptRunner& runner, const CommandArgs& args) {
    RequireWordCount(args, 0);
    runner.Session().Tick();
}

void RunOption(ScriptRunner& runner, const CommandArgs& args) {
    RequireWordCount(args, 1);
    const std::optional<RoundingOption> option = RoundingOptionAt(ParseInteger(args.words[0]));
    if (option) {
        runner.Session().Core().SelectOption(*option);
    }
}

void RunClip(ScriptRunner& runner, const CommandArgs& args) {
    runner.Session().SetClipboard(std::string(args.rest));
}

void RunDump(ScriptRunner& runner, const CommandArgs& args) {
    RequireWordCount(args, 0);
    runner.PrintDump();
}

constexpr ScriptCommand CalculatorCommandTable[] = {
    {"key", RunKey},       {"burst", RunBurst}, {"tick", RunTick},
    {"option", RunOption}, {"clip", RunClip},   {"dump", RunDump},
};

}  // namespace

std::span<const ScriptCommand> CalculatorCommands() {
    return CalculatorCommandTable;
}

int ParseInteger(std::string_view word) {
    std::string_view digits = word;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        digits.remove_prefix(1);
    }
    if (digits.empty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        throw ScriptError("not an integer: " + std::string(word));
    }
    if (word.front() == '+') {
        word.remove_prefix(1);
    }
    long long value = 0;
    const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
    // Any integer is allowed; those beyond int behave like any other index out of range.
    if (result.ec == std::errc::result_out_of_range || value > std::numeric_limits<int>::max() ||
        value < std::numeric_limits<int>::min()) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(value);
}

std::vector<ScriptKey> ParseKeys(const CommandArgs& args) {
    if (args.words.empty()) {
        throw ScriptError("missing argument");
    }
    std::vector<ScriptKey> keys;
    keys.reserve(args.words.size());
    for (std::string_view word : args.words) {
        const std::optional<Key> named = KeyWithWord(word);
        if (named && IsBusinessKey(*named)) {
            keys.push_back({KeyNumber(*named), named});
        } else {
            keys.push_back({named ? KeyNumber(*named) : ParseInteger(word), std::nullopt});
        }
    }
    return keys;
}

std::vector<int> ParseIntegers(const CommandArgs& args, std::size_t minimum) {
    if (args.words.size() < minimum) {
        throw ScriptError("missing argument");
    }
    std::vector<int> values;
    values.reserve(args.words.size());
    for (std::string_view word : args.words) {
        values.push_back(ParseInteger(word));
    }
    return values;
}

void RequireWordCount(const CommandArgs& args, std::size_t count) {
    if (args.words.size() != count) {
        throw ScriptError("expected " + std::to_string(count) + " argument(s)");
    }
}

ScriptRunner::ScriptRunner(std::ostream& out) : ScriptRunner(out, Options{}) {}

ScriptRunner::ScriptRunner(std::ostream& out, Options options)
    : out_(out), options_(std::move(options)) {
    const auto calculator = CalculatorCommands();
    commands_.assign(calculator.begin(), calculator.end());
    const auto keyboard = KeyboardCommands();
    commands_.insert(commands_.end(), keyboard.begin(), keyboard.end());
    const auto window = WindowCommands();
    commands_.insert(commands_.end(), window.begin(), window.end());
    const auto tape = TapeCommands();
    commands_.insert(commands_.end(), tape.begin(), tape.end());
}

bool ScriptRunner::RunLine(std::string_view line) {
    if (closed_) {
        return false;
    }
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    line = TrimLeft(line);
    if (line.empty() || line.front() == '#') {
        return true;
    }
    std::size_t nameEnd = 0;
    while (nameEnd < line.size() && !IsBlank(line[nameEnd])) {
        ++nameEnd;
    }
    const std::string_view name = line.substr(0, nameEnd);
    CommandArgs args;
    args.rest = nameEnd < line.size() ? line.substr(nameEnd + 1) : std::string_view();
    args.words = SplitWords(args.rest);

    if (name == "locale") {
        if (anyCommand_) {
            throw ScriptError("locale must be the first command");
        }
        RunLocale(*this, args);
        anyCommand_ = true;
        lastWasDump_ = false;
        return true;
    }
    const auto command = std::find_if(commands_.begin(), commands_.end(),
                                      [&](const ScriptCommand& c) { return c.name == name; });
    if (command == commands_.end()) {
        throw ScriptError("unknown command: " + std::string(name));
    }
    anyCommand_ = true;
    lastWasDump_ = false;
    command->run(*this, args);
    return !closed_;
}

void ScriptRunner::Finish() {
    if (!closed_ && !lastWasDump_) {
        PrintDump();
    }
}

ScriptSession& ScriptRunner::Session() {
    if (!session_) {
        session_ = std::make_unique<ScriptSession>(locale_, settings_, options_.session);
    }
    return *session_;
}

void ScriptRunner::PrintDump() {
    out_ << Session().Dump() << '\n' << std::flush;
    lastWasDump_ = true;
}

void ScriptRunner::CloseCalculator() {
    PrintDump();
    out_ << "{\"exit\":true}\n" << std::flush;
    closed_ = true;
}

std::filesystem::path ScriptRunner::FilePath(std::string_view named) const {
    std::optional<std::filesystem::path> path = ScriptPath(named, options_.fileFolder);
    if (!path) {
        throw ScriptError("not a path inside the script's folder: " + std::string(named));
    }
    return std::move(*path);
}

void ScriptRunner::SetTapeStore(const std::filesystem::path& path) {
    if (session_) {
        throw ScriptError("journal must come before the calculator starts");
    }
    options_.session.tapeStore = path;
}

// Messages of the ending session not dumped yet (the exit's among them) show in the next dump.
void ScriptRunner::Restart() {
    std::vector<std::string> shown;
    if (session_) {
        shown = session_->End();
        settings_ = session_->Settings();
        session_.reset();
    }
    ScriptSession& session = Session();
    for (std::string& text : shown) {
        session.NoteMessage(std::move(text));
    }
}

void ScriptRunner::SetLocale(const NumberLocale& locale) {
    locale_ = locale;
}

void ScriptRunner::SetStoredSetting(const std::string& key,
                                    const std::optional<std::string>& value) {
    if (session_) {
        throw ScriptError("settings must come before the calculator starts");
    }
    if (value) {
        settings_[key] = *value;
    } else {
        settings_.erase(key);
    }
}

}  // namespace reckora::script
