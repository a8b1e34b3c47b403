// The pressed look of the keys: the release table, the faces every release rests, the mouse, and
// the order in which the window is told.

#include "KeyFaces.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

#include "VirtualKey.h"

namespace reckora {
namespace {

struct ViewLog : KeyFaceView {
    std::vector<std::string> log;
    void ShowKeyFace(int index, bool pressed) override {
        log.push_back((pressed ? "press " : "rest ") + std::to_string(index));
    }
};

std::vector<int> AllFaces() {
    std::vector<int> all;
    for (int i = 0; i < KeyCommand::Count; ++i) {
        all.push_back(i);
    }
    return all;
}

// With every face pressed, the faces a release rests, in the order the window sees them.
std::vector<int> RestedByRelease(std::int16_t code) {
    ViewLog view;
    KeyFaces faces(view);
    for (int i : AllFaces()) {
        faces.Press(i);
    }
    view.log.clear();
    faces.RestForReleasedKey(code);
    std::vector<int> rested;
    for (const std::string& entry : view.log) {
        rested.push_back(std::stoi(entry.substr(entry.find(' ') + 1)));
    }
    return rested;
}

TEST(KeyFacesTest, ReleaseTable) {
    const std::vector<int> always = {18, 17, 23, 24, 25, 28, 29, 30};
    const auto with = [&](std::vector<int> first) {
        for (int face : always) {
            if (std::find(first.begin(), first.end(), face) == first.end()) {
                first.push_back(face);
            }
        }
        return first;
    };
    struct Row {
        std::int16_t code;
        std::vector<int> rested;
    };
    std::vector<Row> rows = {
        {VirtualKey::Delete, with({10, 11, 12})},
        {VirtualKey::Back, with({13})},
        {VirtualKey::Subtract, with({14, 21})},
        {VirtualKey::OemMinus, with({14, 21})},
        {VirtualKey::Add, with({15, 22})},
        {VirtualKey::OemPlus, with({15, 22})},
        {VirtualKey::Divide, with({16})},
        {VirtualKey::Oem2, with({16})},
        {VirtualKey::Multiply, {17, 18, 23, 24, 25, 28, 29, 30}},
        {VirtualKey::Return, with({19, 20})},
        {VirtualKey::Space, with({26})},
        {VirtualKey::Decimal, with({27})},
        {VirtualKey::OemPeriod, with({27})},
        {VirtualKey::Shift, always},
        {VirtualKey::Control, always},
        {VirtualKey::Letter('C'), always},
        {VirtualKey::Escape, always},
        {VirtualKey::Prior, always},
        {0, always},
    };
    for (int digit = 0; digit <= 9; ++digit) {
        rows.push_back({static_cast<std::int16_t>(VirtualKey::Digit0 + digit), with({digit})});
        rows.push_back({static_cast<std::int16_t>(VirtualKey::Numpad0 + digit), with({digit})});
    }
    for (const Row& row : rows) {
        EXPECT_EQ(RestedByRelease(row.code), row.rested) << "code " << row.code;
    }
}

TEST(KeyFacesTest, OnlyChangesReachTheWindow) {
    ViewLog view;
    KeyFaces faces(view);
    faces.Press(5);
    faces.Press(5);
    faces.Rest(6);
    faces.RestForReleasedKey(VirtualKey::Digit0 + 5);
    faces.RestForReleasedKey(VirtualKey::Digit0 + 5);
    EXPECT_EQ(view.log, (std::vector<std::string>{"press 5", "rest 5"}));
}

TEST(KeyFacesTest, MouseAndOutOfRangeFaces) {
    ViewLog view;
    KeyFaces faces(view);
    faces.theButton_MouseDown(4);
    faces.theButton_MouseDown(31);
    faces.theButton_MouseDown(-1);
    EXPECT_EQ(faces.PressedFaces(), std::vector<int>{4});
    EXPECT_FALSE(faces.IsPressed(31));
    faces.theButton_MouseUp(4);
    EXPECT_EQ(faces.PressedFaces(), std::vector<int>{});
    EXPECT_EQ(view.log, (std::vector<std::string>{"press 4", "rest 4"}));
}

TEST(KeyFacesTest, ShiftDeleteStaysPressedUntilDeleteIsReleased) {
    ViewLog view;
    KeyFaces faces(view);
    faces.Press(KeyCommand::MemoryClear);
    faces.RestForReleasedKey(VirtualKey::Shift);
    EXPECT_EQ(faces.PressedFaces(), std::vector<int>{11});
    faces.RestForReleasedKey(VirtualKey::Delete);
    EXPECT_EQ(faces.PressedFaces(), std::vector<int>{});
}

TEST(KeyFacesTest, HeldMultiplyRestsOnAnotherKeysRelease) {
    ViewLog view;
    KeyFaces faces(view);
    faces.Press(KeyCommand::Multiply);
    faces.Press(3);
    faces.RestForReleasedKey(VirtualKey::Digit0 + 3);
    EXPECT_EQ(faces.PressedFaces(), std::vector<int>{});
}

TEST(KeyFacesTest, RestAllInIndexOrder) {
    ViewLog view;
    KeyFaces faces(view);
    faces.Press(30);
    faces.Press(0);
    faces.Press(12);
    view.log.clear();
    faces.RestAll();
    EXPECT_EQ(view.log, (std::vector<std::string>{"rest 0", "rest 12", "rest 30"}));
}

}  // namespace
}  // namespace reckora
