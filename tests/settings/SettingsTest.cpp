// Loading, applying and saving the seven settings against an in-memory store and window, and
// the store of a run that starts as the first start did.

#include "Settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FirstStartStore.h"
#include "SettingsFakes.h"

namespace reckora {
namespace {

using testing::FakeWindow;
using testing::MemoryStore;
using Log = std::vector<std::string>;

class SettingsTest : public ::testing::Test {
protected:
    MemoryStore store;
    FakeWindow window;

    Log Load(const std::string& decimalSep = ".") {
        Settings settings({store, window, window, window}, decimalSep);
        window.log.clear();
        settings.Load();
        return window.log;
    }
};

// Empty store: Floating Point, height kept, centred (16200/2 - 4800/2, 28800/2 - 8775/2),
// topmost with its tick, tape shown.
const Log FirstStart = {"option 6", "top 5700", "left 10012", "tick on", "topmost", "tape shown"};

TEST_F(SettingsTest, FirstStartWithAnEmptyStore) {
    EXPECT_EQ(Load(), FirstStart);
    EXPECT_EQ(store.defaultsAsked,
              (Log{"ShowTape=True", "AlwaysOnTop=True", "KeepTape=True", "RoundOption=6",
                   "WindowHeight=-1", "WindowTop=-1", "WindowLeft=-1"}));
    EXPECT_DOUBLE_EQ(window.left, 10012.5);
    EXPECT_EQ(store.writes, 0);
}

// A store that cannot be read, and values under another application or section, count as none.
TEST_F(SettingsTest, WhatIsNotOursToReadStartsWithTheDefaults) {
    store.values[{"Other", "Calculator", "RoundOption"}] = "1";
    store.values[{"Reckora", "Other", "RoundOption"}] = "1";
    EXPECT_EQ(Load(), FirstStart);
    store["RoundOption"] = "2";
    store.unreadable = true;
    EXPECT_EQ(Load(), FirstStart);
}

TEST_F(SettingsTest, PlacementRules) {
    struct Case {
        std::string height, top, left;
        Log placement;  // the height/top/left part of the log
    };
    const Case cases[] = {
        // beyond or at the screen's far edge: 0
        {"-1", "16200", "28800", {"top 0", "left 0"}},
        {"-1", "20000", "30000", {"top 0", "left 0"}},
        {"-1", "16199", "28799", {"top 16199", "left 28799"}},
        // 0 and other negatives keep what the window has
        {"0", "0", "0", {}},
        {"-2", "-300", "-15000", {}},
        // -1 centres top and left but keeps the height
        {"-1", "-1", "1", {"top 5700", "left 1"}},
        {"1", "1", "-1", {"height 1", "top 1", "left 10012"}},
        // centring uses the restored height
        {"6000", "-1", "-1", {"height 6000", "top 5100", "left 10012"}},
    };
    for (const Case& c : cases) {
        store.values.clear();
        window = FakeWindow();
        store["WindowHeight"] = c.height;
        store["WindowTop"] = c.top;
        store["WindowLeft"] = c.left;
        Log expected = {"option 6"};
        expected.insert(expected.end(), c.placement.begin(), c.placement.end());
        expected.insert(expected.end(), {"tick on", "topmost", "tape shown"});
        EXPECT_EQ(Load(), expected) << c.height << " " << c.top << " " << c.left;
    }
}

TEST_F(SettingsTest, ApplyHandsBackTheClampedCorner) {
    Settings settings({store, window, window, window}, ".");
    SettingsValues values{.ShowTape = false,
                          .AlwaysOnTop = false,
                          .RoundOption = 3,
                          .WindowHeight = 0,
                          .WindowTop = 99999,
                          .WindowLeft = 28800};
    settings.Apply(values);
    EXPECT_EQ(values.WindowTop, 0);
    EXPECT_EQ(values.WindowLeft, 0);
    EXPECT_EQ(window.log,
              (Log{"option 3", "top 0", "left 0", "tick off", "not topmost", "tape hidden"}));
}

TEST_F(SettingsTest, APlacementTheWindowRefusesIsSkipped) {
    store["WindowHeight"] = "1";
    store["WindowTop"] = "300";
    store["ShowTape"] = "False";
    window.refusesPlacement = true;
    EXPECT_EQ(Load(), (Log{"option 6", "tick on", "topmost", "tape hidden"}));
    EXPECT_EQ(window.height, 4800);
}

TEST_F(SettingsTest, SaveSkipsAFailingKeyAndWritesTheRest) {
    store.failingWrites = {"ShowTape", "WindowTop"};
    Settings({store, window, window, window}, ".").Save();
    EXPECT_FALSE(store.Has("ShowTape"));
    EXPECT_FALSE(store.Has("WindowTop"));
    EXPECT_EQ(store.writes, 5);
    EXPECT_EQ(store["WindowLeft"], "1500");
}

// --reset-settings: a run over stored settings starts as the first start did and leaves the
// store alone until Save Settings writes what this run chose.
TEST_F(SettingsTest, AFirstStartStoreKeepsTheStoredSettingsUntilSaved) {
    store["RoundOption"] = "2";
    store["ShowTape"] = "False";
    store["WindowHeight"] = "6000";
    const auto before = store.values;
    FirstStartStore firstStart(store);
    Settings settings({firstStart, window, window, window}, ".");
    settings.Load();
    EXPECT_EQ(window.log, FirstStart);
    EXPECT_EQ(store.values, before);

    window.roundOption = 3;
    settings.Save();
    EXPECT_EQ(store["RoundOption"], "3");
    EXPECT_EQ(store["ShowTape"], "True");
    // What was saved is what a second load in the same run reads.
    window.log.clear();
    settings.Load();
    EXPECT_EQ(window.log.front(), "option 3");
}

}  // namespace
}  // namespace reckora
