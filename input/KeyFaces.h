#pragma once
// The pressed look of the calculator keys: which faces show pressed, driven by the mouse on a
// key and by the keyboard handlers. The business keys have faces only while their row is shown.
// Purely visual; no key runs from here.

#include <bitset>
#include <functional>
#include <vector>

#include "KeyCommand.h"

namespace reckora {

class KeyFaces {
public:
    // The window side: draws a key's face with its pressed border or resting.
    using View = std::function<void(Key key, bool pressed)>;

    explicit KeyFaces(View view = {}) : view_(std::move(view)) {}

    void Press(Key key);
    void Rest(Key key);

    // The business keys' row shown or hidden; hiding it rests their faces.
    void ShowBusinessFaces(bool shown);

    // Rests the faces of the release table for a released key, then the always-rested ones.
    void RestForReleasedKey(int keyCode);

    // Every face rests (the window lost the keyboard focus).
    void RestAll();

    bool IsPressed(Key key) const;
    std::vector<Key> PressedFaces() const;  // ascending

private:
    void Show(Key key, bool pressed);

    View view_;
    std::bitset<AllKeyCount> pressed_;
    bool businessFaces_ = false;
};

}  // namespace reckora
