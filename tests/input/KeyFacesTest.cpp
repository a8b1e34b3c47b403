// The pressed look of the keys: what a key's release rests, and only changes reach the window.
// Sequences of presses and releases are covered by the keyboard golden scripts.

#include "KeyFaces.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "KeyBindings.h"
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

// Whatever face a key presses, alone or with a modifier, its release rests (else letting go of the
// modifier first would leave it pressed); another key's face stays as it is.
TEST(KeyFacesTest, AReleaseRestsEveryFaceTheKeyCanPress) {
    using Table = std::span<const KeyBinding>;
    for (const Table table :
         {Table(PlainKeys), Table(ShiftKeys), Table(CtrlKeys), Table(DecimalCommaKeys)}) {
        for (const KeyBinding& row : table) {
            if (row.action == KeyAction::Command || row.action == KeyAction::UndoCommand) {
                KeyFaces faces;
                faces.Press(row.key);
                faces.RestForReleasedKey(row.code);
                EXPECT_FALSE(faces.IsPressed(row.key)) << "code " << row.code;
            }
        }
    }
    KeyFaces faces;
    faces.Press(K(1));
    faces.RestForReleasedKey(VirtualKey::Digit0 + 2);
    EXPECT_EQ(faces.PressedFaces(), std::vector<Key>{K(1)});
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
