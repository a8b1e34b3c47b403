// Loading, applying and saving the settings against an in-memory store and window, and the store
// of a run that starts as the first start did.

#include "Settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "Failure.h"
#include "FirstStartStore.h"
#include "SettingsPorts.h"

namespace reckora {
namespace {

using Log = std::vector<std::string>;

// In-memory stand-ins for the settings store and the window, recording what the settings logic
// does to them.
class MemoryStore : public SettingsStore {
public:
    using Address = std::tuple<std::string, std::string, std::string>;
    std::map<Address, std::string> values;
    bool unreadable = false;
    std::vector<std::string> failingWrites;  // keys whose write fails
    int writes = 0;

    std::string GetSetting(const std::string& appName, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override {
        if (unreadable) {
            throw Failure(FailureKind::Refused, "store cannot be read");
        }
        const auto found = values.find({appName, section, key});
        return found == values.end() ? defaultValue : found->second;
    }
    void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                     const std::string& value) override {
        if (std::ranges::find(failingWrites, key) != failingWrites.end()) {
            throw Failure(FailureKind::Refused, "store cannot be written");
        }
        ++writes;
        values[{appName, section, key}] = value;
    }
    std::string& operator[](const std::string& key) {
        return values[{"Reckora", "Calculator", key}];
    }
    bool Has(const std::string& key) const {
        return values.contains({"Reckora", "Calculator", key});
    }
};

// A 1920 x 1080 pixel screen at 15 twips per pixel; a window of 8775 x 4800 twips at (1500, 900).
struct FakeWindow : WindowPlacement, AlwaysOnTopSwitch, CalculatorOptions {
    double height = 4800, width = 8775, top = 900, left = 1500;
    double screenHeight = 16200, screenWidth = 28800;
    bool checked = true;   // designed with the tick
    bool topmost = false;  // what SetAlwaysOnTop last made it
    RoundingOption roundOption = RoundingOption::Integer;
    bool tapeVisible = true;
    bool keepTape = true;
    std::vector<std::string> log;

    double Height() const override { return height; }
    double Width() const override { return width; }
    double Top() const override { return top; }
    double Left() const override { return left; }
    bool refusesPlacement = false;

    void SetHeight(double twips) override { Place("height ", height, twips); }
    void SetTop(double twips) override { Place("top ", top, twips); }
    void SetLeft(double twips) override { Place("left ", left, twips); }
    void Place(const std::string& what, double& field, double twips) {
        if (refusesPlacement) {
            throw Failure(FailureKind::OutOfRange, "the window cannot take that");
        }
        log.push_back(what + std::to_string(static_cast<int>(twips)));
        field = twips;
    }
    double ScreenHeight() const override { return screenHeight; }
    double ScreenWidth() const override { return screenWidth; }

    bool OnTopChecked() const override { return checked; }
    void SetOnTopChecked(bool value) override {
        log.push_back(value ? "tick on" : "tick off");
        checked = value;
    }
    void SetAlwaysOnTop(bool flag) override {
        log.push_back(flag ? "topmost" : "not topmost");
        topmost = flag;
    }

    RoundingOption GetRoundingOption() const override { return roundOption; }
    void SelectRoundingOption(RoundingOption option) override {
        log.push_back("option " + std::to_string(OptionIndex(option)));
        roundOption = option;
    }
    bool TapeVisible() const override { return tapeVisible; }
    void SetTapeVisible(bool visible) override {
        log.push_back(visible ? "tape shown" : "tape hidden");
        tapeVisible = visible;
    }
    bool KeepTape() const override { return keepTape; }
    void SetKeepTape(bool keep) override { keepTape = keep; }

    // The business settings log only what changes, as the program journals only that.
    double taxRate = 0;
    RoundingDirection rounding = RoundingDirection::Designed;
    bool businessKeys = false;
    double TaxRate() const override { return taxRate; }
    void SetTaxRate(double percent) override { Change("tax ", taxRate, percent); }
    RoundingDirection Rounding() const override { return rounding; }
    void SetRounding(RoundingDirection direction) override {
        Change("rounding ", rounding, direction);
    }
    bool BusinessKeysShown() const override { return businessKeys; }
    void ShowBusinessKeys(bool shown) override { Change("business keys ", businessKeys, shown); }
    template <typename T>
    void Change(const std::string& what, T& field, T value) {
        if (field != value) {
            log.push_back(what + (std::is_same_v<T, RoundingDirection>
                                      ? std::string(NameOf(static_cast<RoundingDirection>(value)))
                                      : std::to_string(static_cast<double>(value))));
            field = value;
        }
    }
};

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

// The store keeps an option as its button's index; Save writes back the index Load read, and a
// text that is no button's index reads as Floating Point.
TEST_F(SettingsTest, RoundOptionKeepsTheOptionButtonsIndex) {
    const std::pair<const char*, RoundingOption> table[] = {
        {"0", RoundingOption::Integer},       {"1", RoundingOption::Decimals1},
        {"2", RoundingOption::Decimals2},     {"3", RoundingOption::Decimals3},
        {"4", RoundingOption::Decimals4},     {"5", RoundingOption::AutoAdd2},
        {"6", RoundingOption::FloatingPoint},
    };
    for (const auto& [index, option] : table) {
        store["RoundOption"] = index;
        Load();
        EXPECT_EQ(window.roundOption, option) << index;
        store["RoundOption"] = "";
        Settings({store, window, window, window}, ".").Save();
        EXPECT_EQ(store["RoundOption"], index);
    }
    for (const char* notAnIndex : {"7", "-1", "Integer"}) {
        store["RoundOption"] = notAnIndex;
        window.roundOption = RoundingOption::Integer;
        Load();
        EXPECT_EQ(window.roundOption, RoundingOption::FloatingPoint) << notAnIndex;
    }
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
    SettingsValues values{.showTape = false,
                          .alwaysOnTop = false,
                          .roundingOption = RoundingOption::Decimals3,
                          .windowHeight = 0,
                          .windowTop = 99999,
                          .windowLeft = 28800};
    settings.Apply(values);
    EXPECT_EQ(values.windowTop, 0);
    EXPECT_EQ(values.windowLeft, 0);
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

// The business settings are read in any locale as written (the tax rate with a full stop); a
// value that is no setting of theirs is the default. What Save writes is the golden scripts'.
TEST_F(SettingsTest, BusinessSettingsReadAsWritten) {
    struct Case {
        std::string taxRate, direction;
        double readRate;
        RoundingDirection readDirection;
    };
    for (const Case& c : {Case{"19", "down", 19, RoundingDirection::Down},
                          Case{" 7.25 ", "up", 7.25, RoundingDirection::Up},
                          Case{"-3", "Up", 0, RoundingDirection::Designed},
                          Case{"7,5", "sideways", 0, RoundingDirection::Designed},
                          Case{"1e2", "", 0, RoundingDirection::Designed}}) {
        store["TaxRate"] = c.taxRate;
        store["RoundingDirection"] = c.direction;
        const SettingsValues read = ReadSettings(store, ",");
        EXPECT_EQ(read.taxRate, c.readRate) << c.taxRate;
        EXPECT_EQ(read.roundingDirection, c.readDirection) << c.direction;
    }
}

// The stored height includes the business row: the row comes first, so the window is not grown
// by it a second time; tax rate and direction follow the option.
TEST_F(SettingsTest, TheBusinessRowIsShownBeforeTheStoredHeight) {
    store["BusinessKeys"] = "True";
    store["WindowHeight"] = "6000";
    store["TaxRate"] = "19";
    store["RoundingDirection"] = "halfup";
    const Log log = Load();
    ASSERT_GE(log.size(), 5u);
    EXPECT_EQ(Log(log.begin(), log.begin() + 5),
              (Log{"business keys 1.000000", "option 6", "tax 19.000000", "rounding halfup",
                   "height 6000"}));
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

    window.roundOption = RoundingOption::Decimals3;
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
