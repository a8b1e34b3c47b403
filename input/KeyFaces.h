#pragma once
// The pressed look of the 31 calculator keys: which faces show pressed, driven by the mouse on a
// key and by the keyboard handlers. Purely visual; no key command runs from here.

#include <bitset>
#include <vector>

#include "KeyCommand.h"

namespace reckora {

// The window side: draws face `index` with its pressed border or resting.
class KeyFaceView {
public:
    virtual ~KeyFaceView() = default;
    virtual void ShowKeyFace(int index, bool pressed) = 0;
};

class KeyFaces {
public:
    explicit KeyFaces(KeyFaceView& view) : view_(view) {}

    // Any mouse button presses and releases the face; indexes outside 0..30 are ignored.
    void theButton_MouseDown(int index) { Press(index); }
    void theButton_MouseUp(int index) { Rest(index); }

    void Press(int index);
    void Rest(int index);

    // Rests the faces of the release table for a released key, then the always-rested ones.
    void RestForReleasedKey(int keyCode);

    // Every face rests (the window lost the keyboard focus).
    void RestAll();

    bool IsPressed(int index) const;
    std::vector<int> PressedFaces() const;  // ascending

private:
    void Show(int index, bool pressed);

    KeyFaceView& view_;
    std::bitset<KeyCommand::Count> pressed_;
};

}  // namespace reckora
