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
    const bool locked = session.Engine().State().errorState;
    if (lockedBefore && !locked) {
        ASSERT_TRUE(key == KeyNumber(Key::ClearAll) || key == KeyNumber(Key::New) ||
                    key == KeyNumber(Key::Undo));
    }
    if (!lockedBefore && locked) {
        const std::optional<Key> pressed = AnyKeyAt(key);
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
        session.SelectOption(*RoundingOptionAt(static_cast<int>(random() % 7)));
        session.SetClipboard(clipboards[random() % std::size(clipboards)]);
        std::string trace =
            "option " + std::to_string(OptionIndex(session.Engine().GetRoundingOption())) + ":";
        for (int step = 0; step < 60; ++step) {
            const int key = pick(random);
            trace += " " + std::to_string(key);
            const bool lockedBefore = session.Engine().State().errorState;
            ASSERT_NO_THROW(PressRandomKey(session, key, random() % 4 != 0)) << trace;
            CheckInvariants(session, lockedBefore, key, trace);
            if (HasFatalFailure()) {
                return;
            }
            if (random() % 25 == 0) {
                session.SelectOption(*RoundingOptionAt(static_cast<int>(random() % 7)));
            }
            if (random() % 20 == 0) {
                session.Core().Run(RandomBusinessSetting(random));
                trace += " setting";
            }
        }
    }
}

}  // namespace
}  // namespace reckora::script
