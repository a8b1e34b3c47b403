#pragma once
// The keyboard tables: which calculator key, rounding option, tape page or exit question each
// virtual-key code stands for without a modifier, with Shift and with Ctrl. The strokes that
// press a calculator key are the key table's, the menu entries' own shortcuts the menu table's;
// the rest are here.

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
    MoveSelection,  // move the tape's selection by `step` lines (-1 up, +1 down)
};

// What the comma key does without modifiers: nothing, or, where the locale writes numbers with a
// decimal comma (which its keyboards carry on the comma key), enter the decimal separator.
enum class CommaKey : std::uint8_t { Inert, DecimalSeparator };

struct KeyBinding {
    int code;
    KeyAction action;
    Key key = Key::Digit0;                            // for Command and UndoCommand
    RoundingOption option = RoundingOption::Integer;  // for SelectOption
    int step = 0;                                     // for MoveSelection
    MenuId menu{};                                    // for Menu
};

namespace detail {
constexpr KeyBinding Press(int code, Key key) {
    return {code, KeyAction::Command, key};
}
constexpr KeyBinding Select(int code, RoundingOption option) {
    return {.code = code, .action = KeyAction::SelectOption, .option = option};
}
constexpr KeyBinding MoveSelection(int code, int step) {
    return {.code = code, .action = KeyAction::MoveSelection, .step = step};
}
constexpr KeyBinding Do(int code, KeyAction action) {
    return {code, action};
}
constexpr KeyBinding Menu(int code, MenuId menu) {
    return {.code = code, .action = KeyAction::Menu, .menu = menu};
}
}  // namespace detail

namespace detail {
// How many strokes with exactly these modifiers press a key.
constexpr std::size_t CountKeyStrokes(int modifiers) {
    std::size_t count = 0;
    for (const KeyRow& row : KeyRows) {
        for (const KeyStroke& stroke : row.strokes) {
            count += stroke.code != 0 && stroke.modifiers == modifiers ? 1 : 0;
        }
    }
    return count;
}

// The key table's strokes with exactly these modifiers, in key order.
template <int Modifiers>
constexpr auto KeyPresses() {
    std::array<KeyBinding, CountKeyStrokes(Modifiers)> presses{};
    std::size_t next = 0;
    for (const KeyRow& row : KeyRows) {
        for (const KeyStroke& stroke : row.strokes) {
            if (stroke.code != 0 && stroke.modifiers == Modifiers) {
                const KeyAction action =
                    row.role == KeyRole::UndoLast ? KeyAction::UndoCommand : KeyAction::Command;
                presses[next++] = KeyBinding{stroke.code, action, row.key};
            }
        }
    }
    return presses;
}

template <std::size_t First, std::size_t Second>
constexpr std::array<KeyBinding, First + Second> Join(
    const std::array<KeyBinding, First>& first, const std::array<KeyBinding, Second>& second) {
    std::array<KeyBinding, First + Second> joined{};
    std::size_t next = 0;
    for (const KeyBinding& row : first) {
        joined[next++] = row;
    }
    for (const KeyBinding& row : second) {
        joined[next++] = row;
    }
    return joined;
}
}  // namespace detail

inline constexpr auto PlainKeys =
    detail::Join(detail::KeyPresses<KeyModifier::None>(),
                 std::to_array<KeyBinding>({
                     detail::Do(VirtualKey::Escape, KeyAction::ConfirmExit),
                     detail::Do(VirtualKey::Prior, KeyAction::PageUp),
                     detail::Do(VirtualKey::Next, KeyAction::PageDown),
                 }));

// Added to the plain keys where the comma key is the decimal separator.
inline constexpr auto DecimalCommaKeys = std::to_array<KeyBinding>({
    detail::Press(VirtualKey::OemComma, Key::DecimalSeparator),
});

inline constexpr auto ShiftKeys = detail::KeyPresses<KeyModifier::Shift>();

inline constexpr auto CtrlKeys =
    detail::Join(detail::KeyPresses<KeyModifier::Ctrl>(),
                 std::to_array<KeyBinding>({
                     detail::Select(VirtualKey::Digit0 + 0, RoundingOption::Integer),
                     detail::Select(VirtualKey::Digit0 + 1, RoundingOption::Decimals1),
                     detail::Select(VirtualKey::Digit0 + 2, RoundingOption::Decimals2),
                     detail::Select(VirtualKey::Digit0 + 3, RoundingOption::Decimals3),
                     detail::Select(VirtualKey::Digit0 + 4, RoundingOption::Decimals4),
                     detail::Select(VirtualKey::Numpad0 + 0, RoundingOption::Integer),
                     detail::Select(VirtualKey::Numpad0 + 1, RoundingOption::Decimals1),
                     detail::Select(VirtualKey::Numpad0 + 2, RoundingOption::Decimals2),
                     detail::Select(VirtualKey::Numpad0 + 3, RoundingOption::Decimals3),
                     detail::Select(VirtualKey::Numpad0 + 4, RoundingOption::Decimals4),
                     detail::Select(VirtualKey::Letter('A'), RoundingOption::AutoAdd2),
                     detail::Select(VirtualKey::Letter('F'), RoundingOption::FloatingPoint),
                     detail::MoveSelection(VirtualKey::Up, -1),
                     detail::MoveSelection(VirtualKey::Down, 1),
                 }));

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

}  // namespace reckora
