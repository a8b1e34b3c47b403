#pragma once
// In-memory stand-ins for the settings store and the window, recording what the settings logic
// does to them. Shared by the settings and the menu tests.

#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "Failure.h"
#include "SettingsPorts.h"

namespace reckora::testing {

class MemoryStore : public SettingsStore {
public:
    using Address = std::tuple<std::string, std::string, std::string>;
    std::map<Address, std::string> values;
    bool unreadable = false;
    std::vector<std::string> failingWrites;  // keys whose write fails
    int writes = 0;
    std::vector<std::string> defaultsAsked;

    std::string GetSetting(const std::string& appName, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override {
        defaultsAsked.push_back(key + "=" + defaultValue);
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
    int roundOption = -1;
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

    int GetRoundOption() const override { return roundOption; }
    void SelectRoundOption(int option) override {
        log.push_back("option " + std::to_string(option));
        roundOption = option;
    }
    bool TapeVisible() const override { return tapeVisible; }
    void SetTapeVisible(bool visible) override {
        log.push_back(visible ? "tape shown" : "tape hidden");
        tapeVisible = visible;
    }
    bool KeepTape() const override { return keepTape; }
    void SetKeepTape(bool keep) override { keepTape = keep; }
};

}  // namespace reckora::testing
