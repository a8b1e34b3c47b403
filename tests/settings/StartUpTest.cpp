// The order of start-up and the NumLock rule.

#include "StartUp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace reckora {
namespace {

struct Steps : StartUpSteps, NumLockKeyboard {
    std::vector<std::string> log;
    bool numLockOn = false;

    NumberLocale GetDecimalSeparator() override {
        log.push_back("separator");
        return {",", "."};
    }
    void StartEngine(const NumberLocale& locale) override {
        log.push_back("engine " + locale.DecimalSep + locale.GroupingSep);
    }
    void ScaleForScreen() override { log.push_back("scale"); }
    void LoadSettings() override { log.push_back("settings"); }
    bool IsNumLockOn() override {
        log.push_back("numlock?");
        return numLockOn;
    }
    void SwitchNumLockOn() override {
        log.push_back("numlock on");
        numLockOn = true;
    }
};

TEST(StartUpTest, FormLoadRunsTheStepsInOrder) {
    Steps steps;
    Form_Load(steps, steps);
    EXPECT_EQ(steps.log, (std::vector<std::string>{"separator", "engine ,.", "scale", "settings",
                                                   "numlock?", "numlock on"}));
}

TEST(StartUpTest, NumLockAlreadyOnIsLeftAlone) {
    Steps steps;
    steps.numLockOn = true;
    ForceNumLockOn(steps);
    ForceNumLockOn(steps);
    EXPECT_EQ(steps.log, (std::vector<std::string>{"numlock?", "numlock?"}));
}

}  // namespace
}  // namespace reckora
