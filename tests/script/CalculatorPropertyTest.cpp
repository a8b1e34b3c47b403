// Random key sequences through the whole headless calculator: after every key the engine's
// invariants hold, whatever the sequence.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "KeyCommand.h"
#include "RandomKeys.h"
#include "ScriptSession.h"
#include "SessionInvariants.h"

namespace reckora::script {
namespace {

// The invariants every command keeps, and what only a key command can do to the lock: it is
// entered only by an operation and left only by Clear All, New or Undo.
void CheckInvariants(ScriptSession& session, bool lockedBefore, int key, const std::string& trace) {
    SCOPED_TRACE(trace);
    ASSERT_EQ(BrokenInvariant(session, lockedBefore), "");
    const bool locked = session.Engine().State().ErrorState;
    if (lockedBefore && !locked) {
        ASSERT_TRUE(key == KeyNumber(Key::ClearAll) || key == KeyNumber(Key::New) ||
                    key == KeyNumber(Key::Undo));
    }
    if (!lockedBefore && locked) {
        const std::optional<Key> pressed = KeyAt(key);
        ASSERT_TRUE(pressed && RowOf(*pressed).role == KeyRole::Operate &&
                    RowOf(*pressed).operation != Operation::Clear);
    }
}

TEST(CalculatorProperty, InvariantsHoldAfterEveryKey) {
    std::mt19937 random(20261206);
    std::discrete_distribution<int> pick = RandomKeys(1);
    const char* clipboards[] = {"12.5", "-3", "abc", "1e14", "99999999999999999", ""};
    for (int sequence = 0; sequence < 3000; ++sequence) {
        ScriptSession session(NumberLocale{}, SessionOptions{.keepTapePicture = true});
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
    session.Key(KeyNumber(Key::Paste), true);
    EXPECT_EQ(session.TakeBeeps(), 1);
    EXPECT_EQ(session.Display().Caption(), "0. ");

    // A NUL inside, bytes that are no UTF-8 (octal 377 and 376), a control character, and a
    // character cut short.
    const std::string oddTexts[] = {std::string("12\0005", 4), "\377\37612", "1\0012", "\xe2\x88"};
    for (const std::string& text : oddTexts) {
        session.SetClipboard(text);
        session.Key(KeyNumber(Key::Paste), true);
        EXPECT_EQ(session.TakeBeeps(), 1);
        EXPECT_EQ(session.Display().Caption(), "0. ");
    }
}

}  // namespace
}  // namespace reckora::script
