#include "KeyFaces.h"

#include "KeyBindings.h"

namespace reckora {

void KeyFaces::Press(Key key) {
    Show(key, true);
}

void KeyFaces::Rest(Key key) {
    Show(key, false);
}

void KeyFaces::RestForReleasedKey(int keyCode) {
    for (const FaceRelease& row : ReleasedFaces) {
        if (keyCode != row.code) {
            continue;
        }
        for (const std::optional<Key>& face : row.faces) {
            if (face) {
                Rest(*face);
            }
        }
        break;
    }
    for (Key face : FacesRestedOnEveryRelease) {
        Rest(face);
    }
}

void KeyFaces::RestAll() {
    for (const KeyRow& row : KeyRows) {
        Rest(row.key);
    }
}

bool KeyFaces::IsPressed(Key key) const {
    return pressed_.test(static_cast<std::size_t>(KeyNumber(key)));
}

std::vector<Key> KeyFaces::PressedFaces() const {
    std::vector<Key> faces;
    for (const KeyRow& row : KeyRows) {
        if (IsPressed(row.key)) {
            faces.push_back(row.key);
        }
    }
    return faces;
}

// Only changes reach the view: resting a resting face happens on nearly every key release.
void KeyFaces::Show(Key key, bool pressed) {
    if (IsPressed(key) == pressed) {
        return;
    }
    pressed_.set(static_cast<std::size_t>(KeyNumber(key)), pressed);
    if (view_) {
        view_(key, pressed);
    }
}

}  // namespace reckora
