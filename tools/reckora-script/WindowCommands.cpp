// The harness commands that reach the calculator's window: the settings store it starts with,
// its menus and dialogs, what it shows beyond the dump, and checks of single fields of the state.

#include <optional>
#include <string>
#include <string_view>

#include "JsonText.h"
#include "ScriptRunner.h"
#include "ScriptSession.h"

namespace reckora::script {
namespace {

void RunSettings(ScriptRunner& runner, const CommandArgs& args) {
    if (args.words.empty()) {
        throw ScriptError("settings takes a key and an optional value");
    }
    const std::string key(args.words[0]);
    if (args.words.size() == 1) {
        runner.SetStoredSetting(key, std::nullopt);
        return;
    }
    // The value is the rest of the line after the key, blanks inside it kept.
    const std::string_view rest = args.rest;
    const std::size_t keyAt = rest.find(args.words[0]);
    std::string_view value = rest.substr(keyAt + args.words[0].size());
    value.remove_prefix(std::min(value.find_first_not_of(" \t"), value.size()));
    runner.SetStoredSetting(key, std::string(value));
}

// A click on a menu entry; the display timer fires afterwards unless the window was closed.
void RunMenu(ScriptRunner& runner, const CommandArgs& args) {
    RequireWordCount(args, 1);
    ScriptSession& session = runner.Session();
    const std::optional<MenuId> entry = MenuNamed(args.words[0]);
    if (!entry) {
        throw ScriptError("no such menu entry: " + std::string(args.words[0]));
    }
    session.Core().Window().RunMenu(*entry);
    if (session.Closed()) {
        runner.CloseCalculator();
        return;
    }
    session.Tick();
}

void RunReply(ScriptRunner& runner, const CommandArgs& args) {
    runner.Session().SetNextReply(std::string(args.rest));
}

// One menu entry as the window shows it.
void RunMenuState(ScriptRunner& runner, const CommandArgs& args) {
    RequireWordCount(args, 1);
    const std::optional<MenuId> entry = MenuNamed(args.words[0]);
    if (!entry) {
        throw ScriptError("no such menu entry: " + std::string(args.words[0]));
    }
    ScriptSession& session = runner.Session();
    const MemoryWindowModel& window = session.Window();
    runner.Out() << "{\"menu\":" << JsonString(args.words[0])
                 << ",\"caption\":" << JsonString(window.MenuCaption(*entry))
                 << ",\"checked\":" << (window.MenuChecked(*entry) ? "true" : "false")
                 << ",\"enabled\":"
                 << (session.Core().Window().MenuEntryEnabled(*entry) ? "true" : "false") << "}\n"
                 << std::flush;
}

// The window's height and the business row: whether it is shown and what its label says.
void RunWindow(ScriptRunner& runner, const CommandArgs& args) {
    RequireWordCount(args, 0);
    const MemoryWindowModel& window = runner.Session().Window();
    runner.Out() << "{\"height\":" << window.Height()
                 << ",\"businessRow\":" << (window.BusinessRowVisible() ? "true" : "false")
                 << ",\"grandTotalLabel\":" << JsonString(window.GrandTotalLabel()) << "}\n"
                 << std::flush;
}

void RunExpect(ScriptRunner& runner, const CommandArgs& args) {
    if (args.words.size() < 2) {
        throw ScriptError("expect takes a field and a JSON value");
    }
    const std::string_view field = args.words[0];
    const std::string_view text = args.rest.substr(args.rest.find(field) + field.size());
    const std::optional<std::string> expected = CompactJson(text);
    if (!expected) {
        throw ScriptError("not a JSON value: " + std::string(text));
    }
    for (const auto& [name, actual] : runner.Session().Fields()) {
        if (name == field) {
            if (actual != *expected) {
                throw ExpectationFailed("expect " + name + ": expected " + *expected + ", actual " +
                                        actual);
            }
            return;
        }
    }
    throw ScriptError("no such field: " + std::string(field));
}

constexpr ScriptCommand WindowCommandTable[] = {
    {"settings", RunSettings}, {"menu", RunMenu},           {"expect", RunExpect},
    {"reply", RunReply},       {"menustate", RunMenuState}, {"window", RunWindow},
};

}  // namespace

std::span<const ScriptCommand> WindowCommands() {
    return WindowCommandTable;
}

}  // namespace reckora::script
