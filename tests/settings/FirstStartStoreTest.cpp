// --reset-settings: a run over stored settings starts as the first start did and leaves the
// store alone until Save Settings writes what this run chose.

#include "FirstStartStore.h"

#include <gtest/gtest.h>

#include "Settings.h"
#include "SettingsFakes.h"

namespace reckora {
namespace {

TEST(FirstStartStoreTest, StartsAsTheFirstStartAndKeepsTheStoreUntilSaved) {
    testing::MemoryStore stored;
    stored["RoundOption"] = "2";
    stored["ShowTape"] = "False";
    stored["WindowHeight"] = "6000";
    const auto before = stored.values;

    FirstStartStore store(stored);
    testing::FakeWindow window;
    Settings settings({store, window, window, window}, ".");
    settings.Load();
    EXPECT_EQ(window.log, (std::vector<std::string>{"option 6", "top 5700", "left 10012", "tick on",
                                                    "topmost", "tape shown"}));
    EXPECT_EQ(stored.values, before);

    window.roundOption = 3;
    settings.Save();
    EXPECT_EQ(stored["RoundOption"], "3");
    EXPECT_EQ(stored["ShowTape"], "True");
    // What was saved is what a second load in the same run reads.
    window.log.clear();
    settings.Load();
    EXPECT_EQ(window.log.front(), "option 3");
}

}  // namespace
}  // namespace reckora
