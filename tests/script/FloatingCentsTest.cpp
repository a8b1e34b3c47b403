// A long column of cents under Floating Point, typed key by key: every running total equals the
// exact decimal sum (the golden floating-point-results shows the display of such results).

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "KeyCommand.h"
#include "ScriptSession.h"

namespace reckora::script {
namespace {

// Types an amount of cents as digits, the decimal key and two decimals.
void TypeCents(ScriptSession& session, std::int64_t cents) {
    const std::string digits = std::to_string(cents / 100);
    for (char digit : digits) {
        session.Key(digit - '0', false);
    }
    session.Key(KeyNumber(Key::DecimalSeparator), false);
    session.Key(static_cast<int>(cents / 10 % 10), false);
    session.Key(static_cast<int>(cents % 10), false);
}

TEST(FloatingCents, RandomColumnMatchesExactDecimalSum) {
    std::mt19937 random(20261206);
    std::uniform_int_distribution<std::int64_t> amount(1, 9'999'999);
    ScriptSession session(NumberLocale{});
    std::int64_t exact = 0;
    for (int i = 0; i < 10'000; ++i) {
        const std::int64_t cents = amount(random);
        const bool subtract = random() % 3 == 0;
        TypeCents(session, cents);
        session.Key(KeyNumber(subtract ? Key::Subtract : Key::Add), false);
        exact += subtract ? -cents : cents;
        ASSERT_EQ(session.Engine().State().runningTotal, static_cast<double>(exact) / 100)
            << "after " << i + 1 << " amounts";
    }
}

}  // namespace
}  // namespace reckora::script
