#include "KeyFaces.h"

#include "KeyBindings.h"

namespace reckora {

void KeyFaces::Press(Key key) {
    if (businessFaces_ || !IsBusinessKey(key)) {
        Show(key, true);
    }
}

void KeyFaces::ShowBusinessFaces(bool shown) {
    businessFaces_ = shown;
    if (!shown) {
        for (int number = KeyCount; number < AllKeyCount; ++number) {
            Rest(KeyRows[static_cast<std::size_t>(number)].key);
        }
    }
}

void KeyFaces::Rest(Key key) {
    Show(key, false);
}

// Whatever the modifiers: letting go of Delete rests Clear All and Memory Clear too.
void KeyFaces::RestForReleasedKey(int keyCode) {
    for (const KeyRow& row : KeyRows) {
        for (const KeyStroke& stroke : row.strokes) {
            if (stroke.code != 0 && stroke.code == keyCode) {
                Rest(row.key);
            }
        }
    }
    for (const KeyBinding& comma : DecimalCommaKeys) {
        if (comma.code == keyCode) {
            Rest(comma.key);
        }
    }
    for (const KeyRow& row : KeyRows) {
        if (row.restsOnAnyRelease) {
            Rest(row.key);
        }
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
