#pragma once
// Turns Qt key events into the virtual-key codes and modifier mask the keyboard mapping works on,
// so that the same physical keys act as on the keyboard the calculator was laid out for.

#include <optional>

#include <Qt>

class QKeyEvent;

namespace reckora {

// The virtual-key code of a key event, or nothing for a key the calculator has no code for.
// Keypad keys (Qt's keypad modifier) get the keypad codes; the main-row digits keep their
// digit code when Shift turns them into the symbols of a US keyboard (Shift+5 arrives as the
// percent key, Shift+8 as the asterisk).
std::optional<int> VirtualKeyFor(Qt::Key key, Qt::KeyboardModifiers modifiers);
std::optional<int> VirtualKeyFor(const QKeyEvent& event);

// Shift 1, Ctrl 2, Alt 4.
int ModifierMaskFor(Qt::KeyboardModifiers modifiers);

}  // namespace reckora
