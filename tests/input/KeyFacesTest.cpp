// The pressed look of the keys: the faces each key's release rests, and only changes reach the
// window. Sequences of presses and releases are covered by the keyboard golden scripts.

#include "KeyFaces.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

#include "VirtualKey.h"

namespace reckora {
namespace {

struct ViewLog {
    std::vector<std::string> log;
    KeyFaces::View View() {
        return [this](Key key, bool pressed) {
            log.push_back((pressed ? "press " : "rest ") + std::to_string(KeyNumber(key)));
        };
    }
};

Key K(int number) {
    return *KeyAt(number);
}

// With every face pressed, the faces a release rests, in the order the window sees them (a face
// pressed shows as -1).
std::vector<int> RestedByRelease(std::int16_t code) {
    std::vector<int> seen;
    KeyFaces faces(
        [&seen](Key key, bool pressed) { seen.push_back(pressed ? -1 : KeyNumber(key)); });
    for (const KeyRow& row : KeyRows) {
        faces.Press(row.key);
    }
    seen.clear();
    faces.RestForReleasedKey(code);
    return seen;
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
    // Keys whose release rests the same faces share a row.
    struct Row {
        std::vector<int> codes;
        std::vector<int> rested;
    };
    using namespace VirtualKey;
    std::vector<Row> rows = {
        {{Delete}, with({10, 11, 12})},
        {{Back}, with({13})},
        {{Subtract, OemMinus}, with({14, 21})},
        {{Add, OemPlus}, with({15, 22})},
        {{Divide, Oem2}, with({16})},
        {{Multiply}, {17, 18, 23, 24, 25, 28, 29, 30}},
        {{Return}, with({19, 20})},
        {{Space}, with({26})},
        {{Decimal, OemPeriod}, with({27})},
        {{Shift, Control, Letter('C'), Escape, Prior, 0}, always},
    };
    for (int digit = 0; digit <= 9; ++digit) {
        rows.push_back({{Digit0 + digit, Numpad0 + digit}, with({digit})});
    }
    for (const Row& row : rows) {
        for (const int code : row.codes) {
            EXPECT_EQ(RestedByRelease(static_cast<std::int16_t>(code)), row.rested)
                << "code " << code;
        }
    }
}

TEST(KeyFacesTest, OnlyChangesReachTheWindow) {
    ViewLog view;
    KeyFaces faces(view.View());
    faces.Press(K(5));
    faces.Press(K(5));
    faces.Rest(K(6));
    faces.RestForReleasedKey(VirtualKey::Digit0 + 5);
    faces.RestForReleasedKey(VirtualKey::Digit0 + 5);
    EXPECT_EQ(view.log, (std::vector<std::string>{"press 5", "rest 5"}));
}

}  // namespace
}  // namespace reckora
