#include "SessionInvariants.h"

#include "CalcTape.h"
#include "MemoryScrollBar.h"
#include "ScriptSession.h"
#include "TapeReplayCheck.h"

namespace reckora::script {

std::string BrokenInvariant(ScriptSession& session, bool lockedBefore) {
    const EngineState& state = session.Engine().State();
    const std::string& separator = session.Engine().Locale().decimalSep;
    int digits = 0;
    for (char c : state.entryText) {
        digits += c >= '0' && c <= '9';
    }
    if (state.entryText.empty() || digits > 15) {
        return "the entry is empty or holds more than 15 digits";
    }
    const std::size_t first = state.entryText.find(separator);
    if (first != std::string::npos &&
        state.entryText.find(separator, first + separator.size()) != std::string::npos) {
        return "the entry holds two separators";
    }
    if (state.entryText.find('-') != std::string::npos) {
        return "the entry holds a sign";
    }
    const TapeModel& tape = session.Lines();
    // Lines cut back by Undo stay stored, hidden, until the next line replaces them.
    if (tape.CurrentLine() < 0 || tape.CurrentLine() > tape.StoredLines()) {
        return "CurrentLine lies outside the stored lines";
    }
    if (!lockedBefore && state.errorState) {
        if (session.Display().Caption() != "-Error- ") {
            return "the lock was entered without the error text";
        }
        if (tape.CurrentLine() == 0 || tape.Line(tape.CurrentLine()).mark != TapeMark::Error) {
            return "the lock was entered without the error line";
        }
    }
    const MemoryScrollBar& bar = session.TapeScrollBar();
    if (bar.Value() < 0 || bar.Value() > bar.Maximum()) {
        return "the scroll position lies outside 0..maximum";
    }
    if (!TapePictureMatchesReplay(session)) {
        return "the tape's picture differs from a full replay";
    }
    return {};
}

}  // namespace reckora::script
