#include "HeldKeyFilter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace reckora {
namespace {

// An event as "+7@100" (press of key 7 at 100 ms) or "-7@100" (release); a release written
// "-7@100*" finds its key still down at the server.
struct FilterCase {
    const char* name;
    std::vector<std::string> events;
    std::string delivered;
};

RawKeyEvent Parse(const std::string& text, bool& stillDown) {
    RawKeyEvent event;
    event.press = text[0] == '+';
    const std::size_t at = text.find('@');
    event.scanCode = static_cast<std::uint32_t>(std::stoul(text.substr(1, at - 1)));
    event.virtualKey = static_cast<int>(event.scanCode);
    event.time = std::stoull(text.substr(at + 1));
    stillDown = text.back() == '*';
    return event;
}

TEST(HeldKeyFilter, OneHeldKeyIsOnePressAndOneRelease) {
    const FilterCase cases[] = {
        {"a tap", {"+7@0", "-7@90"}, "+7 -7"},
        {"held with repeat pairs",
         {"+7@0", "-7@600*", "+7@600", "-7@633*", "+7@634", "-7@1500"},
         "+7 -7"},
        {"a quick second tap is no repeat", {"+1@0", "-1@40*", "+1@45", "-1@90"}, "+1 -1 +1 -1"},
        {"another key after a held-back release",
         {"+1@0", "-1@40*", "+2@40", "-2@80"},
         "+1 -1 +2 -2"},
        {"a press stamped before the release", {"+1@50", "-1@50*", "+1@49"}, "+1 -1 +1"},
    };
    for (const FilterCase& c : cases) {
        bool down = false;
        std::string delivered;
        HeldKeyFilter filter([&](std::uint32_t) { return down; },
                             [&](const RawKeyEvent& e) {
                                 delivered += (delivered.empty() ? "" : " ") +
                                              std::string(e.press ? "+" : "-") +
                                              std::to_string(e.virtualKey);
                             });
        for (const std::string& text : c.events) {
            const RawKeyEvent event = Parse(text, down);
            filter.Take(event);
        }
        EXPECT_EQ(delivered, c.delivered) << c.name;
    }
}

TEST(HeldKeyFilter, FocusLossDropsAHeldBackRelease) {
    std::string delivered;
    HeldKeyFilter filter([](std::uint32_t) { return true; },
                         [&](const RawKeyEvent& e) { delivered += e.press ? "+" : "-"; });
    filter.Take({.press = true, .scanCode = 10, .time = 0});
    filter.Take({.press = false, .scanCode = 10, .time = 500});
    filter.Forget();
    filter.Take({.press = true, .scanCode = 11, .time = 900});
    EXPECT_EQ(delivered, "++");
}

}  // namespace
}  // namespace reckora
