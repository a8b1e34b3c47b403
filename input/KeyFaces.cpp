#include "KeyFaces.h"

#include "KeyBindings.h"

namespace reckora {

namespace {
bool IsFace(int index) {
    return index >= 0 && index < KeyCommand::Count;
}
}  // namespace

void KeyFaces::Press(int index) {
    Show(index, true);
}

void KeyFaces::Rest(int index) {
    Show(index, false);
}

void KeyFaces::RestForReleasedKey(int keyCode) {
    for (const FaceRelease& row : ReleasedFaces) {
        if (keyCode < row.first || keyCode > row.last) {
            continue;
        }
        for (std::int8_t face : row.faces) {
            if (face >= 0) {
                Rest(face + (keyCode - row.first));
            }
        }
        break;
    }
    for (std::int8_t face : FacesRestedOnEveryRelease) {
        Rest(face);
    }
}

void KeyFaces::RestAll() {
    for (int index = 0; index < KeyCommand::Count; ++index) {
        Rest(index);
    }
}

bool KeyFaces::IsPressed(int index) const {
    return IsFace(index) && pressed_.test(index);
}

std::vector<int> KeyFaces::PressedFaces() const {
    std::vector<int> faces;
    for (int index = 0; index < KeyCommand::Count; ++index) {
        if (pressed_.test(index)) {
            faces.push_back(index);
        }
    }
    return faces;
}

// Only changes reach the view: resting a resting face happens on nearly every key release.
void KeyFaces::Show(int index, bool pressed) {
    if (!IsFace(index) || pressed_.test(index) == pressed) {
        return;
    }
    pressed_.set(index, pressed);
    view_.ShowKeyFace(index, pressed);
}

}  // namespace reckora
