// The harness commands that drive the main window's keyboard, the mouse on the key faces, the
// keyboard focus and the answers to questions.

#include <string>
#include <string_view>

#include "ScriptRunner.h"
#include "ScriptSession.h"
#include "VirtualKey.h"

namespace reckora::script {
namespace {

// `shift`, `ctrl`, `alt` joined with `+`, or a number 0..7.
int ParseModifiers(std::string_view text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-' ||
                          (text.front() >= '0' && text.front() <= '9'))) {
        const int mask = ParseInteger(text);
        if (mask < 0 || mask > 7) {
            throw ScriptError("modifiers must be 0..7: " + std::string(text));
        }
        return mask;
    }
    int mask = 0;
    while (true) {
        const std::size_t plus = text.find('+');
        const std::string_view word = text.substr(0, plus);
        if (word == "shift") {
            mask |= KeyModifier::Shift;
        } else if (word == "ctrl") {
            mask |= KeyModifier::Ctrl;
        } else if (word == "alt") {
            mask |= KeyModifier::Alt;
        } else {
            throw ScriptError("unknown modifier: " + std::string(word));
        }
        if (plus == std::string_view::npos) {
            return mask;
        }
        text.remove_prefix(plus + 1);
    }
}

struct KeyEvent {
    int code;
    int modifiers;
};

KeyEvent ParseKeyEvent(const CommandArgs& args) {
    if (args.words.empty() || args.words.size() > 2) {
        throw ScriptError("expected a key code and optional modifiers");
    }
    return {ParseInteger(args.words[0]),
            args.words.size() == 2 ? ParseModifiers(args.words[1]) : 0};
}

// A key press; the display timer fires afterwards unless the window was closed.
void Press(ScriptRunner& runner, const KeyEvent& key) {
    ScriptSession& session = runner.Session();
    session.Core().Window().KeyDown(key.code, key.modifiers);
    if (session.Closed()) {
        runner.CloseCalculator();
        return;
    }
    session.Tick();
}

void RunPress(ScriptRunner& runner, const CommandArgs& args) {
    Press(runner, ParseKeyEvent(args));
}

void RunRelease(ScriptRunner& runner, const CommandArgs& args) {
    const KeyEvent key = ParseKeyEvent(args);
    runner.Session().Core().Window().KeyUp(key.code);
}

void RunType(ScriptRunner& runner, const CommandArgs& args) {
    const KeyEvent key = ParseKeyEvent(args);
    Press(runner, key);
    if (!runner.Closed()) {
        runner.Session().Core().Window().KeyUp(key.code);
    }
}

void RunMouseDown(ScriptRunner& runner, const CommandArgs& args) {
    RequireWordCount(args, 1);
    runner.Session().Core().Window().MouseDown(ParseInteger(args.words[0]));
}

void RunMouseUp(ScriptRunner& runner, const CommandArgs& args) {
    RequireWordCount(args, 1);
    runner.Session().Core().Window().MouseUp(ParseInteger(args.words[0]));
}

void RunFocusOut(ScriptRunner& runner, const CommandArgs& args) {
    RequireWordCount(args, 0);
    runner.Session().Core().Window().FocusLost();
}

void RunAnswer(ScriptRunner& runner, const CommandArgs& args) {
    RequireWordCount(args, 1);
    if (args.words[0] == "ok") {
        runner.Session().SetNextAnswer(QuestionAnswer::Ok);
    } else if (args.words[0] == "cancel") {
        runner.Session().SetNextAnswer(QuestionAnswer::Cancel);
    } else {
        throw ScriptError("answer takes ok or cancel");
    }
}

constexpr ScriptCommand KeyboardCommandTable[] = {
    {"press", RunPress},         {"release", RunRelease}, {"type", RunType},
    {"mousedown", RunMouseDown}, {"mouseup", RunMouseUp}, {"focusout", RunFocusOut},
    {"answer", RunAnswer},
};

}  // namespace

std::span<const ScriptCommand> KeyboardCommands() {
    return KeyboardCommandTable;
}

}  // namespace reckora::script
