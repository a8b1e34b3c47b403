#include "QtKeyMapping.h"

#include <QKeyEvent>
#include <array>
#include <span>

#include "VirtualKey.h"

namespace reckora {

namespace {

struct QtKeyCode {
    Qt::Key key;
    int virtualKey;
};

// Keys off the keypad. The punctuation keys are known by what they carry on a US keyboard,
// with and without Shift, so a key keeps its code whichever of its symbols arrives.
constexpr auto MainKeys = std::to_array<QtKeyCode>({
    {Qt::Key_Exclam, VirtualKey::Digit0 + 1},
    {Qt::Key_At, VirtualKey::Digit0 + 2},
    {Qt::Key_NumberSign, VirtualKey::Digit0 + 3},
    {Qt::Key_Dollar, VirtualKey::Digit0 + 4},
    {Qt::Key_Percent, VirtualKey::Digit0 + 5},
    {Qt::Key_AsciiCircum, VirtualKey::Digit0 + 6},
    {Qt::Key_Ampersand, VirtualKey::Digit0 + 7},
    {Qt::Key_Asterisk, VirtualKey::Digit0 + 8},
    {Qt::Key_ParenLeft, VirtualKey::Digit0 + 9},
    {Qt::Key_ParenRight, VirtualKey::Digit0 + 0},
    {Qt::Key_Equal, VirtualKey::OemPlus},
    {Qt::Key_Plus, VirtualKey::OemPlus},
    {Qt::Key_Minus, VirtualKey::OemMinus},
    {Qt::Key_Underscore, VirtualKey::OemMinus},
    {Qt::Key_Period, VirtualKey::OemPeriod},
    {Qt::Key_Greater, VirtualKey::OemPeriod},
    {Qt::Key_Comma, VirtualKey::OemComma},
    {Qt::Key_Less, VirtualKey::OemComma},
    {Qt::Key_Slash, VirtualKey::Oem2},
    {Qt::Key_Question, VirtualKey::Oem2},
    {Qt::Key_Return, VirtualKey::Return},
    {Qt::Key_Enter, VirtualKey::Return},
    {Qt::Key_Delete, VirtualKey::Delete},
    {Qt::Key_Backspace, VirtualKey::Back},
    {Qt::Key_Space, VirtualKey::Space},
    {Qt::Key_Escape, VirtualKey::Escape},
    {Qt::Key_PageUp, VirtualKey::Prior},
    {Qt::Key_PageDown, VirtualKey::Next},
    {Qt::Key_Up, VirtualKey::Up},
    {Qt::Key_Down, VirtualKey::Down},
    {Qt::Key_Shift, VirtualKey::Shift},
    {Qt::Key_Control, VirtualKey::Control},
    {Qt::Key_Alt, VirtualKey::Menu},
    {Qt::Key_NumLock, VirtualKey::NumLock},
});

// Keys with Qt's keypad modifier. The keypad decimal key is the decimal key whether the layout
// makes it a period or a comma. Without NumLock the keypad sends the navigation keys, which
// the main table knows (Page Up, Page Down, Delete).
constexpr auto KeypadKeys = std::to_array<QtKeyCode>({
    {Qt::Key_Asterisk, VirtualKey::Multiply},
    {Qt::Key_Plus, VirtualKey::Add},
    {Qt::Key_Minus, VirtualKey::Subtract},
    {Qt::Key_Period, VirtualKey::Decimal},
    {Qt::Key_Comma, VirtualKey::Decimal},
    {Qt::Key_Slash, VirtualKey::Divide},
    {Qt::Key_Enter, VirtualKey::Return},
});

std::optional<int> Find(std::span<const QtKeyCode> table, Qt::Key key) {
    for (const QtKeyCode& row : table) {
        if (row.key == key) {
            return row.virtualKey;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<int> VirtualKeyFor(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return (keypad ? VirtualKey::Numpad0 : VirtualKey::Digit0) + (key - Qt::Key_0);
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return VirtualKey::LetterA + (key - Qt::Key_A);
    }
    if (keypad) {
        if (const std::optional<int> code = Find(KeypadKeys, key)) {
            return code;
        }
    }
    return Find(MainKeys, key);
}

std::optional<int> VirtualKeyFor(const QKeyEvent& event) {
    return VirtualKeyFor(static_cast<Qt::Key>(event.key()), event.modifiers());
}

int ModifierMaskFor(Qt::KeyboardModifiers modifiers) {
    int mask = KeyModifier::None;
    if (modifiers.testFlag(Qt::ShiftModifier)) {
        mask |= KeyModifier::Shift;
    }
    if (modifiers.testFlag(Qt::ControlModifier)) {
        mask |= KeyModifier::Ctrl;
    }
    if (modifiers.testFlag(Qt::AltModifier)) {
        mask |= KeyModifier::Alt;
    }
    return mask;
}

}  // namespace reckora
