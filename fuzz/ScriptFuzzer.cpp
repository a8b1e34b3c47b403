// Feeds arbitrary key scripts to the harness's own runner and checks, after every command, the
// invariants that must hold whatever the user does.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "CalcTape.h"
#include "MemoryScrollBar.h"
#include "ScriptRunner.h"
#include "ScriptSession.h"
#include "TapeReplayCheck.h"

namespace {

using reckora::script::ScriptRunner;
using reckora::script::ScriptSession;

[[noreturn]] void Broken(const char* what, std::string_view line) {
    std::fprintf(stderr, "invariant broken after \"%.*s\": %s\n", static_cast<int>(line.size()),
                 line.data(), what);
    std::abort();
}

void CheckInvariants(ScriptSession& session, bool lockedBefore, std::string_view line) {
    const reckora::EngineState& state = session.Engine().State();
    const std::string& separator = session.Engine().Locale().DecimalSep;
    int digits = 0;
    for (char c : state.EntryText) {
        digits += c >= '0' && c <= '9';
    }
    if (digits > 15) {
        Broken("the entry holds more than 15 digits", line);
    }
    const std::size_t first = state.EntryText.find(separator);
    if (first != std::string::npos &&
        state.EntryText.find(separator, first + separator.size()) != std::string::npos) {
        Broken("the entry holds two separators", line);
    }
    if (state.EntryText.find('-') != std::string::npos) {
        Broken("the entry holds a sign", line);
    }
    if (!lockedBefore && state.ErrorState && session.Display().Caption() != "-Error- ") {
        Broken("the lock was entered without the error text", line);
    }
    const reckora::CalcTape& tape = session.Tape();
    // Lines cut back by Undo stay stored, hidden, until the next line replaces them.
    if (tape.CurrentLine() < 0 || tape.CurrentLine() > tape.StoredLines()) {
        Broken("CurrentLine lies outside the stored lines", line);
    }
    const reckora::ScrollBar& bar = session.TapeScrollBar();
    if (bar.Value() < 0 || bar.Value() > bar.Maximum()) {
        Broken("the scroll position lies outside 0..maximum", line);
    }
    if (!reckora::script::TapePictureMatchesReplay(session)) {
        Broken("the tape's picture differs from a full replay", line);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::ostringstream out;
    ScriptRunner runner(out, ScriptRunner::Options{.session = {.keepTapePicture = true}});
    std::string_view script(reinterpret_cast<const char*>(data), size);
    // Long tapes make the replay check slow without finding more.
    int commands = 0;
    while (!script.empty() && commands++ < 400) {
        const std::size_t end = script.find('\n');
        const std::string_view line = script.substr(0, end);
        script = end == std::string_view::npos ? std::string_view() : script.substr(end + 1);
        const bool lockedBefore =
            runner.HasSession() && runner.Session().Engine().State().ErrorState;
        try {
            if (!runner.RunLine(line)) {
                return 0;
            }
        } catch (const reckora::script::ScriptError&) {
            return 0;
        }
        if (runner.HasSession()) {
            CheckInvariants(runner.Session(), lockedBefore, line);
        }
    }
    return 0;
}
