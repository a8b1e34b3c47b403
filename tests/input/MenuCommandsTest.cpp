// The window-level menu handlers and the entries that stand for keys.

#include "MenuCommands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../settings/SettingsFakes.h"

namespace reckora {
namespace {

using testing::FakeWindow;
using testing::MemoryStore;

struct Rest : KeyCommandTarget, StandardHeight, WindowUnloader, AboutWindowShower {
    std::vector<std::string>& log;
    bool undoEnabled = false;
    explicit Rest(std::vector<std::string>& sharedLog) : log(sharedLog) {}

    void theButton_Click(int index) override { log.push_back("click " + std::to_string(index)); }
    bool IsUndoEnabled() const override { return undoEnabled; }
    void SelectRoundOption(int option) override {
        log.push_back("key option " + std::to_string(option));
    }
    void SetStdHeight() override { log.push_back("standard height"); }
    void Unload() override { log.push_back("unload"); }
    void ShowAboutModal() override { log.push_back("about"); }
};

class MenuCommandsTest : public ::testing::Test {
protected:
    MemoryStore store;
    FakeWindow window;
    Rest rest{window.log};
    Settings settings{{store, window, window, window}, "."};
    MenuCommands menus{{rest, window, settings, rest, rest, rest}};

    std::vector<std::string> Take() {
        std::vector<std::string> taken;
        taken.swap(window.log);
        return taken;
    }
};

TEST_F(MenuCommandsTest, KeyEntriesHandTheirIndexOnWithoutFaces) {
    menus.m_New_Click();
    menus.m_Print_Click();
    menus.m_Copy_Click();
    menus.m_Paste_Click();
    menus.m_Undo_Click();
    menus.m_ShowTape_Click();
    EXPECT_EQ(Take(), (std::vector<std::string>{"click 29", "click 28", "click 23", "click 24",
                                                "click 30", "click 25"}));
}

TEST_F(MenuCommandsTest, AlwaysOnTopTogglesTickAndWindowAndWritesNothing) {
    menus.m_OnTop_Click();
    EXPECT_FALSE(window.checked);
    EXPECT_FALSE(window.topmost);
    menus.m_OnTop_Click();
    EXPECT_TRUE(window.checked);
    EXPECT_TRUE(window.topmost);
    EXPECT_EQ(Take(), (std::vector<std::string>{"tick off", "not topmost", "tick on", "topmost"}));
    EXPECT_EQ(store.writes, 0);
}

TEST_F(MenuCommandsTest, RestoreDefaultKeepsPlaceAndStoreThenStandardHeight) {
    store["RoundOption"] = "2";
    store["ShowTape"] = "False";
    window.tapeVisible = false;
    window.checked = false;
    window.roundOption = 2;
    menus.m_Default_Click();
    EXPECT_EQ(Take(), (std::vector<std::string>{"option 6", "tick on", "topmost", "tape shown",
                                                "standard height"}));
    EXPECT_EQ(store.writes, 0);
    EXPECT_EQ(store["RoundOption"], "2");
    EXPECT_EQ(store["ShowTape"], "False");
    EXPECT_EQ(window.top, 900);
    EXPECT_EQ(window.left, 1500);
}

TEST_F(MenuCommandsTest, ExitUnloadsWithoutAQuestionAndAboutShowsTheWindow) {
    menus.m_Exit_Click();
    menus.m_About_Click();
    EXPECT_EQ(Take(), (std::vector<std::string>{"unload", "about"}));
}

TEST_F(MenuCommandsTest, EveryEntryOfTheMenuTreeReachesItsHandler) {
    for (const MenuEntry& entry : MenuTree) {
        window.log.push_back(std::string(entry.name));
        menus.Run(entry.action);
    }
    EXPECT_EQ(Take(), (std::vector<std::string>{
                          "m_File",
                          "m_New",
                          "click 29",
                          "m_Print",
                          "click 28",
                          "m_1",
                          "m_Exit",
                          "unload",
                          "m_Edit",
                          "m_Copy",
                          "click 23",
                          "m_Paste",
                          "click 24",
                          "m_2",
                          "m_Undo",
                          "click 30",
                          "m_Options",
                          "m_OnTop",
                          "tick off",
                          "not topmost",
                          "m_ShowTape",
                          "click 25",
                          "m_12",
                          "m_SaveSettings",
                          "m_3",
                          "m_Default",
                          "option 6",
                          "tick on",
                          "topmost",
                          "tape shown",
                          "standard height",
                          "m_Help",
                          "m_About",
                          "about",
                      }));
    EXPECT_EQ(store.writes, 6);
}

TEST_F(MenuCommandsTest, SaveSettingsWritesTheSixKeys) {
    menus.m_SaveSettings_Click();
    EXPECT_EQ(store.writes, 6);
}

}  // namespace
}  // namespace reckora
