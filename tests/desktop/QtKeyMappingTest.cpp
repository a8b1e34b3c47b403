// Qt key events to virtual-key codes: the same physical keys as the keyboard the calculator was
// laid out for, keypad keys by Qt's keypad modifier.

#include "QtKeyMapping.h"

#include <gtest/gtest.h>

#include <optional>

#include "VirtualKey.h"

namespace reckora {
namespace {

struct Case {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::optional<int> expected;
};

TEST(QtKeyMapping, KeysToVirtualKeyCodes) {
    const Qt::KeyboardModifiers none;
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    const Case cases[] = {
        {Qt::Key_0, none, 48},
        {Qt::Key_9, none, 57},
        {Qt::Key_0, keypad, 96},
        {Qt::Key_9, keypad, 105},
        {Qt::Key_5, Qt::ControlModifier, 53},
        {Qt::Key_3, Qt::ControlModifier | keypad, 99},
        // Shift turns the digit row into symbols; the key stays the digit key.
        {Qt::Key_Percent, shift, 53},
        {Qt::Key_Asterisk, shift, 56},
        {Qt::Key_Exclam, shift, 49},
        {Qt::Key_ParenRight, shift, 48},
        // The keypad operators and its decimal key in either form.
        {Qt::Key_Asterisk, keypad, VirtualKey::Multiply},
        {Qt::Key_Asterisk, keypad | shift, VirtualKey::Multiply},
        {Qt::Key_Plus, keypad, VirtualKey::Add},
        {Qt::Key_Plus, keypad | shift, VirtualKey::Add},
        {Qt::Key_Minus, keypad, VirtualKey::Subtract},
        {Qt::Key_Slash, keypad, VirtualKey::Divide},
        {Qt::Key_Period, keypad, VirtualKey::Decimal},
        {Qt::Key_Comma, keypad, VirtualKey::Decimal},
        {Qt::Key_Enter, keypad, VirtualKey::Return},
        // The punctuation keys with and without Shift, and the main keys the keypad has as well;
        // the other rows of the main table are looked up as they are written.
        {Qt::Key_Equal, none, VirtualKey::OemPlus},
        {Qt::Key_Plus, shift, VirtualKey::OemPlus},
        {Qt::Key_Minus, none, VirtualKey::OemMinus},
        {Qt::Key_Underscore, shift, VirtualKey::OemMinus},
        {Qt::Key_Question, shift, VirtualKey::Oem2},
        {Qt::Key_Period, none, VirtualKey::OemPeriod},
        {Qt::Key_Comma, none, VirtualKey::OemComma},
        {Qt::Key_Slash, none, VirtualKey::Oem2},
        {Qt::Key_Delete, none, VirtualKey::Delete},
        {Qt::Key_Delete, keypad, VirtualKey::Delete},
        {Qt::Key_PageDown, keypad, VirtualKey::Next},
        {Qt::Key_A, Qt::ControlModifier, 65},
        {Qt::Key_Z, Qt::ControlModifier | shift, 90},
        {Qt::Key_F1, none, std::nullopt},
        {Qt::Key_Home, keypad, std::nullopt},
        {Qt::Key_unknown, none, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VirtualKeyFor(c.key, c.modifiers), c.expected)
            << "Qt key 0x" << std::hex << c.key << " modifiers 0x" << c.modifiers.toInt();
    }
}

TEST(QtKeyMapping, ModifierMask) {
    EXPECT_EQ(ModifierMaskFor({}), 0);
    EXPECT_EQ(ModifierMaskFor(Qt::ShiftModifier | Qt::KeypadModifier), 1);
    EXPECT_EQ(ModifierMaskFor(Qt::ControlModifier), 2);
    EXPECT_EQ(ModifierMaskFor(Qt::AltModifier | Qt::MetaModifier), 4);
    EXPECT_EQ(ModifierMaskFor(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier), 7);
}

}  // namespace
}  // namespace reckora
