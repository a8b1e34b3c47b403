#pragma once
// The keyboard tables: which calculator key, rounding option, tape page or exit question each
// virtual-key code stands for without a modifier, with Shift and with Ctrl, and which key faces
// rest again when a key is released. One row per keyboard key. The menu entries' own shortcuts
// are the menu table's.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "KeyCommand.h"
#include "MenuTable.h"
#include "VirtualKey.h"

namespace reckora {

enum class KeyAction : std::uint8_t {
    Command,        // press the face of `key` and click it
    UndoCommand,    // as Command, but only while the Undo key is enabled
    SelectOption,   // select rounding/input option `option`; no face, no click
    PageUp,         // page the tape up
    PageDown,       // page the tape down
    ConfirmExit,    // ask whether to end the program
    Menu,           // run the menu entry `menu`; no face
    MoveSelection,  // move the tape's selection by `option` lines (-1 up, +1 down)
};

// What the comma key does without modifiers: nothing, or, where the locale writes numbers with a
// decimal comma (which its keyboards carry on the comma key), enter the decimal separator.
enum class CommaKey : std::uint8_t { Inert, DecimalSeparator };

struct KeyBinding {
    int code;
    KeyAction action;
    Key key = Key::Digit0;  // for Command and UndoCommand
    int option = 0;         // for SelectOption; the step for MoveSelection
    MenuId menu{};          // for Menu
};

namespace detail {
constexpr KeyBinding Press(int code, Key key) {
    return {code, KeyAction::Command, key};
}
constexpr KeyBinding Select(int code, int option) {
    return {code, KeyAction::SelectOption, Key::Digit0, option};
}
constexpr KeyBinding MoveSelection(int code, int step) {
    return {code, KeyAction::MoveSelection, Key::Digit0, step};
}
constexpr KeyBinding Do(int code, KeyAction action) {
    return {code, action};
}
constexpr KeyBinding Menu(int code, MenuId menu) {
    return {code, KeyAction::Menu, Key::Digit0, 0, menu};
}
}  // namespace detail

inline constexpr auto PlainKeys = std::to_array<KeyBinding>({
    detail::Press(VirtualKey::Digit0 + 0, Key::Digit0),
    detail::Press(VirtualKey::Digit0 + 1, Key::Digit1),
    detail::Press(VirtualKey::Digit0 + 2, Key::Digit2),
    detail::Press(VirtualKey::Digit0 + 3, Key::Digit3),
    detail::Press(VirtualKey::Digit0 + 4, Key::Digit4),
    detail::Press(VirtualKey::Digit0 + 5, Key::Digit5),
    detail::Press(VirtualKey::Digit0 + 6, Key::Digit6),
    detail::Press(VirtualKey::Digit0 + 7, Key::Digit7),
    detail::Press(VirtualKey::Digit0 + 8, Key::Digit8),
    detail::Press(VirtualKey::Digit0 + 9, Key::Digit9),
    detail::Press(VirtualKey::Numpad0 + 0, Key::Digit0),
    detail::Press(VirtualKey::Numpad0 + 1, Key::Digit1),
    detail::Press(VirtualKey::Numpad0 + 2, Key::Digit2),
    detail::Press(VirtualKey::Numpad0 + 3, Key::Digit3),
    detail::Press(VirtualKey::Numpad0 + 4, Key::Digit4),
    detail::Press(VirtualKey::Numpad0 + 5, Key::Digit5),
    detail::Press(VirtualKey::Numpad0 + 6, Key::Digit6),
    detail::Press(VirtualKey::Numpad0 + 7, Key::Digit7),
    detail::Press(VirtualKey::Numpad0 + 8, Key::Digit8),
    detail::Press(VirtualKey::Numpad0 + 9, Key::Digit9),
    detail::Press(VirtualKey::Delete, Key::Clear),
    detail::Press(VirtualKey::Back, Key::Backspace),
    detail::Press(VirtualKey::Subtract, Key::Subtract),
    detail::Press(VirtualKey::OemMinus, Key::Subtract),
    detail::Press(VirtualKey::Add, Key::Add),
    detail::Press(VirtualKey::OemPlus, Key::Add),
    detail::Press(VirtualKey::Divide, Key::Divide),
    detail::Press(VirtualKey::Oem2, Key::Divide),
    detail::Press(VirtualKey::Multiply, Key::Multiply),
    detail::Press(VirtualKey::Return, Key::Total),
    detail::Press(VirtualKey::Decimal, Key::DecimalSeparator),
    detail::Press(VirtualKey::OemPeriod, Key::DecimalSeparator),
    detail::Press(VirtualKey::Space, Key::DoubleZero),
    detail::Do(VirtualKey::Escape, KeyAction::ConfirmExit),
    detail::Do(VirtualKey::Prior, KeyAction::PageUp),
    detail::Do(VirtualKey::Next, KeyAction::PageDown),
});

// Added to the plain keys where the comma key is the decimal separator.
inline constexpr auto DecimalCommaKeys = std::to_array<KeyBinding>({
    detail::Press(VirtualKey::OemComma, Key::DecimalSeparator),
});

// Shift+5 and Shift+8 are the percent sign and the asterisk of a US keyboard.
inline constexpr auto ShiftKeys = std::to_array<KeyBinding>({
    detail::Press(VirtualKey::Digit0 + 5, Key::Percent),
    detail::Press(VirtualKey::Digit0 + 8, Key::Multiply),
    detail::Press(VirtualKey::Subtract, Key::MemorySubtract),
    detail::Press(VirtualKey::OemMinus, Key::MemorySubtract),
    detail::Press(VirtualKey::Add, Key::MemoryAdd),
    detail::Press(VirtualKey::OemPlus, Key::MemoryAdd),
    detail::Press(VirtualKey::Return, Key::MemoryRecall),
    detail::Press(VirtualKey::Delete, Key::MemoryClear),
});

inline constexpr auto CtrlKeys = std::to_array<KeyBinding>({
    detail::Press(VirtualKey::Letter('C'), Key::Copy),
    detail::Press(VirtualKey::Letter('V'), Key::Paste),
    detail::Press(VirtualKey::Letter('P'), Key::PrintTape),
    detail::Press(VirtualKey::Letter('N'), Key::New),
    KeyBinding{VirtualKey::Letter('Z'), KeyAction::UndoCommand, Key::Undo},
    detail::Press(VirtualKey::Space, Key::ShowHideTape),
    detail::Press(VirtualKey::Delete, Key::ClearAll),
    detail::Select(VirtualKey::Digit0 + 0, 0),
    detail::Select(VirtualKey::Digit0 + 1, 1),
    detail::Select(VirtualKey::Digit0 + 2, 2),
    detail::Select(VirtualKey::Digit0 + 3, 3),
    detail::Select(VirtualKey::Digit0 + 4, 4),
    detail::Select(VirtualKey::Numpad0 + 0, 0),
    detail::Select(VirtualKey::Numpad0 + 1, 1),
    detail::Select(VirtualKey::Numpad0 + 2, 2),
    detail::Select(VirtualKey::Numpad0 + 3, 3),
    detail::Select(VirtualKey::Numpad0 + 4, 4),
    detail::Select(VirtualKey::Letter('A'), RoundOption::AutoAdd2),
    detail::Select(VirtualKey::Letter('F'), RoundOption::FloatingPoint),
    detail::MoveSelection(VirtualKey::Up, -1),
    detail::MoveSelection(VirtualKey::Down, 1),
});

// The table for a modifier mask: Ctrl wins over Shift; Alt is never looked at.
constexpr std::span<const KeyBinding> KeyTableFor(int modifiers) {
    if ((modifiers & KeyModifier::Ctrl) != 0) {
        return CtrlKeys;
    }
    if ((modifiers & KeyModifier::Shift) != 0) {
        return ShiftKeys;
    }
    return PlainKeys;
}

constexpr std::optional<KeyBinding> FindKey(std::span<const KeyBinding> table, int code) {
    for (const KeyBinding& row : table) {
        if (code == row.code) {
            return row;
        }
    }
    return std::nullopt;
}

// The menu entry with its own shortcut for the stroke. The menus' Ctrl+Shift shortcuts are the
// only Ctrl+Shift bindings; every other Ctrl+Shift combination is looked up with Ctrl.
constexpr std::optional<KeyBinding> FindMenuShortcut(int code, int modifiers) {
    if ((modifiers & KeyModifier::Ctrl) == 0) {
        return std::nullopt;
    }
    std::optional<MenuId> menu;
    if ((modifiers & KeyModifier::Shift) != 0) {
        menu = MenuWithShortcut(CtrlShift(code));
    }
    if (!menu) {
        menu = MenuWithShortcut(Ctrl(code));
    }
    if (!menu) {
        return std::nullopt;
    }
    return detail::Menu(code, *menu);
}

constexpr std::optional<KeyBinding> LookUpKey(int code, int modifiers, CommaKey comma) {
    if (const std::optional<KeyBinding> row = FindMenuShortcut(code, modifiers)) {
        return row;
    }
    const std::span<const KeyBinding> table = KeyTableFor(modifiers);
    if (comma == CommaKey::DecimalSeparator && table.data() == PlainKeys.data()) {
        if (const std::optional<KeyBinding> row = FindKey(DecimalCommaKeys, code)) {
            return row;
        }
    }
    return FindKey(table, code);
}

// Faces that rest when a key is released, before the always-rested ones.
struct FaceRelease {
    int code;
    std::array<std::optional<Key>, 3> faces;
};

inline constexpr auto ReleasedFaces = std::to_array<FaceRelease>({
    {VirtualKey::Digit0 + 0, {Key::Digit0}},
    {VirtualKey::Digit0 + 1, {Key::Digit1}},
    {VirtualKey::Digit0 + 2, {Key::Digit2}},
    {VirtualKey::Digit0 + 3, {Key::Digit3}},
    {VirtualKey::Digit0 + 4, {Key::Digit4}},
    {VirtualKey::Digit0 + 5, {Key::Digit5}},
    {VirtualKey::Digit0 + 6, {Key::Digit6}},
    {VirtualKey::Digit0 + 7, {Key::Digit7}},
    {VirtualKey::Digit0 + 8, {Key::Digit8}},
    {VirtualKey::Digit0 + 9, {Key::Digit9}},
    {VirtualKey::Numpad0 + 0, {Key::Digit0}},
    {VirtualKey::Numpad0 + 1, {Key::Digit1}},
    {VirtualKey::Numpad0 + 2, {Key::Digit2}},
    {VirtualKey::Numpad0 + 3, {Key::Digit3}},
    {VirtualKey::Numpad0 + 4, {Key::Digit4}},
    {VirtualKey::Numpad0 + 5, {Key::Digit5}},
    {VirtualKey::Numpad0 + 6, {Key::Digit6}},
    {VirtualKey::Numpad0 + 7, {Key::Digit7}},
    {VirtualKey::Numpad0 + 8, {Key::Digit8}},
    {VirtualKey::Numpad0 + 9, {Key::Digit9}},
    {VirtualKey::Delete, {Key::ClearAll, Key::MemoryClear, Key::Clear}},
    {VirtualKey::Back, {Key::Backspace}},
    {VirtualKey::Subtract, {Key::Subtract, Key::MemorySubtract}},
    {VirtualKey::OemMinus, {Key::Subtract, Key::MemorySubtract}},
    {VirtualKey::Add, {Key::Add, Key::MemoryAdd}},
    {VirtualKey::OemPlus, {Key::Add, Key::MemoryAdd}},
    {VirtualKey::Divide, {Key::Divide}},
    {VirtualKey::Oem2, {Key::Divide}},
    {VirtualKey::Multiply, {Key::Multiply}},
    {VirtualKey::Return, {Key::Total, Key::MemoryRecall}},
    {VirtualKey::Space, {Key::DoubleZero}},
    {VirtualKey::Decimal, {Key::DecimalSeparator}},
    {VirtualKey::OemPeriod, {Key::DecimalSeparator}},
    {VirtualKey::OemComma, {Key::DecimalSeparator}},
});

// Faces pressed through Shift+5, Shift+8 and the Ctrl letters and Space: every release rests
// them, so letting go of the modifier or of the other key both work.
inline constexpr auto FacesRestedOnEveryRelease = std::to_array<Key>({
    Key::Percent,
    Key::Multiply,
    Key::Copy,
    Key::Paste,
    Key::ShowHideTape,
    Key::PrintTape,
    Key::New,
    Key::Undo,
});

}  // namespace reckora
