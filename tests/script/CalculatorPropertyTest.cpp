// Random key sequences through the whole headless calculator: after every key the engine's
// invariants hold, whatever the sequence.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "CalcTape.h"
#include "KeyCommand.h"
#include "ScriptSession.h"

namespace reckora::script {
namespace {

int DigitsIn(const std::string& text) {
    int digits = 0;
    for (char c : text) {
        digits += c >= '0' && c <= '9';
    }
    return digits;
}

// What the display may show right after a key: the error text whenever the lock was just
// entered.
void CheckInvariants(ScriptSession& session, bool lockedBefore, int key, const std::string& trace) {
    const EngineState& state = session.Engine().State();
    const std::string& sep = session.Engine().Locale().DecimalSep;
    SCOPED_TRACE(trace);
    ASSERT_LE(DigitsIn(state.EntryText), 15);
    ASSERT_FALSE(state.EntryText.empty());
    const std::size_t first = state.EntryText.find(sep);
    if (first != std::string::npos) {
        ASSERT_EQ(state.EntryText.find(sep, first + 1), std::string::npos);
    }
    ASSERT_EQ(state.EntryText.find('-'), std::string::npos);
    // Lines cut back by Undo stay stored, hidden, until the next line replaces them.
    ASSERT_LE(session.Tape().CurrentLine(), session.Tape().StoredLines());
    ASSERT_GE(session.Tape().CurrentLine(), 0);
    if (!lockedBefore && state.ErrorState) {
        ASSERT_EQ(session.Display().Caption(), "-Error- ");
        const TapeLine& last = session.Tape().Line(session.Tape().CurrentLine());
        ASSERT_EQ(last.Op, -1);
        ASSERT_EQ(last.NumStr.View(), "-Error-");
    }
    // The lock is only entered by an operation and only left by Clear All, New or Undo.
    if (lockedBefore && !state.ErrorState) {
        ASSERT_TRUE(key == KeyCommand::ClearAll || key == KeyCommand::New ||
                    key == KeyCommand::Undo);
    }
    if (!lockedBefore && state.ErrorState) {
        ASSERT_TRUE((key >= KeyCommand::Subtract && key <= KeyCommand::MemoryAdd) ||
                    key == KeyCommand::ClearAll || key == KeyCommand::MemoryClear);
    }
}

TEST(CalculatorProperty, InvariantsHoldAfterEveryKey) {
    std::mt19937 random(20261206);
    // Digits are frequent so that long entries and large values occur.
    std::discrete_distribution<int> pick({
        6, 6, 6, 6, 6, 6, 6, 6, 6, 9,  // digits
        1, 1, 1, 2,                    // clear all, memory clear, clear, backspace
        3, 4, 3, 3, 2, 3,              // - + / * % total
        1, 1, 1,                       // memory keys
        1, 1, 1, 3, 2, 0, 1, 2,        // copy paste tape 00 separator print new undo
    });
    const char* clipboards[] = {"12.5", "-3", "abc", "1e14", "99999999999999999", ""};
    for (int sequence = 0; sequence < 3000; ++sequence) {
        ScriptSession session(NumberLocale{});
        session.SelectOption(static_cast<int>(random() % 7));
        session.SetClipboard(clipboards[random() % std::size(clipboards)]);
        std::string trace = "option " + std::to_string(session.Engine().GetRoundOption()) + ":";
        for (int step = 0; step < 60; ++step) {
            const int key = pick(random);
            trace += " " + std::to_string(key);
            const bool lockedBefore = session.Engine().State().ErrorState;
            ASSERT_NO_THROW(session.Key(key, random() % 4 != 0)) << trace;
            CheckInvariants(session, lockedBefore, key, trace);
            if (HasFatalFailure()) {
                return;
            }
            if (random() % 25 == 0) {
                session.SelectOption(static_cast<int>(random() % 7));
            }
        }
    }
}

TEST(CalculatorProperty, HugeClipboardIsRefusedAtOnce) {
    ScriptSession session(NumberLocale{});
    session.SetClipboard(std::string(10'000'000, '7'));
    session.Key(KeyCommand::Paste, true);
    EXPECT_EQ(session.Beeps().TakeSignals(), 1);
    EXPECT_EQ(session.Display().Caption(), "0. ");

    const std::string oddTexts[] = {std::string("12\0"
                                                "5",
                                                4),
                                    "\xff\xfe"
                                    "12",
                                    "1\x01"
                                    "2",
                                    "\xe2\x88"};
    for (const std::string& text : oddTexts) {
        session.SetClipboard(text);
        session.Key(KeyCommand::Paste, true);
        EXPECT_EQ(session.Beeps().TakeSignals(), 1);
        EXPECT_EQ(session.Display().Caption(), "0. ");
    }
}

}  // namespace
}  // namespace reckora::script
