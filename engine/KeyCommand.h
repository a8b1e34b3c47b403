#pragma once
// The 31 calculator keys, named, and what each one does: one row per key. A key's number is its
// place on the window (widget object names theButton_N, the harness's key codes) and nothing
// else; no key, operation or tape mark is computed from another.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace reckora {

enum class Key : std::uint8_t {
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    ClearAll,
    MemoryClear,
    Clear,
    Backspace,
    Subtract,
    Add,
    Divide,
    Multiply,
    Percent,
    Total,
    MemoryRecall,
    MemorySubtract,
    MemoryAdd,
    Copy,
    Paste,
    ShowHideTape,
    DoubleZero,
    DecimalSeparator,
    PrintTape,
    New,
    Undo,
};

inline constexpr int kKeyCount = 31;

// The operations of the adding machine; keys and menu entries start them.
enum class Operation : std::uint8_t {
    Subtract,
    Add,
    Divide,
    Multiply,
    Percent,
    Total,
    MemoryRecall,
    MemorySubtract,
    MemoryAdd,
    ClearAll,
    MemoryClear,
    Clear,
};

// What a key does when it is clicked.
enum class KeyRole : std::uint8_t {
    Type,           // adds `text` to the entry
    TypeSeparator,  // adds the locale's decimal separator to the entry
    Operate,        // runs `operation`
    Backspace,      // drops the entry's last character
    CopyDisplay,    // puts the display on the clipboard
    PasteNumber,    // takes a number from the clipboard
    ToggleTape,     // shows or hides the tape
    PrintTape,      // prints the tape
    StartNewTape,   // clears everything, memory and tape included
    UndoLast,       // takes back the last operation
};

struct KeyRow {
    Key key;
    KeyRole role;
    std::string_view text{};                 // for Type
    Operation operation = Operation::Clear;  // for Operate
    bool passesErrorLock = false;            // works while the error lock is on
};

inline constexpr std::array<KeyRow, kKeyCount> KeyRows{{
    {Key::Digit0, KeyRole::Type, "0"},
    {Key::Digit1, KeyRole::Type, "1"},
    {Key::Digit2, KeyRole::Type, "2"},
    {Key::Digit3, KeyRole::Type, "3"},
    {Key::Digit4, KeyRole::Type, "4"},
    {Key::Digit5, KeyRole::Type, "5"},
    {Key::Digit6, KeyRole::Type, "6"},
    {Key::Digit7, KeyRole::Type, "7"},
    {Key::Digit8, KeyRole::Type, "8"},
    {Key::Digit9, KeyRole::Type, "9"},
    {Key::ClearAll, KeyRole::Operate, {}, Operation::ClearAll, true},
    {Key::MemoryClear, KeyRole::Operate, {}, Operation::MemoryClear},
    {Key::Clear, KeyRole::Operate, {}, Operation::Clear},
    {Key::Backspace, KeyRole::Backspace},
    {Key::Subtract, KeyRole::Operate, {}, Operation::Subtract},
    {Key::Add, KeyRole::Operate, {}, Operation::Add},
    {Key::Divide, KeyRole::Operate, {}, Operation::Divide},
    {Key::Multiply, KeyRole::Operate, {}, Operation::Multiply},
    {Key::Percent, KeyRole::Operate, {}, Operation::Percent},
    {Key::Total, KeyRole::Operate, {}, Operation::Total},
    {Key::MemoryRecall, KeyRole::Operate, {}, Operation::MemoryRecall},
    {Key::MemorySubtract, KeyRole::Operate, {}, Operation::MemorySubtract},
    {Key::MemoryAdd, KeyRole::Operate, {}, Operation::MemoryAdd},
    {Key::Copy, KeyRole::CopyDisplay},
    {Key::Paste, KeyRole::PasteNumber},
    {Key::ShowHideTape, KeyRole::ToggleTape},
    {Key::DoubleZero, KeyRole::Type, "00"},
    {Key::DecimalSeparator, KeyRole::TypeSeparator},
    {Key::PrintTape, KeyRole::PrintTape},
    {Key::New, KeyRole::StartNewTape, {}, Operation::Clear, true},
    {Key::Undo, KeyRole::UndoLast, {}, Operation::Clear, true},
}};

// The key's number on the window.
constexpr int KeyNumber(Key key) {
    return static_cast<int>(key);
}

// The key at a number of the window; none outside 0..30.
constexpr std::optional<Key> KeyAt(int number) {
    if (number < 0 || number >= kKeyCount) {
        return std::nullopt;
    }
    return KeyRows[static_cast<std::size_t>(number)].key;
}

constexpr const KeyRow& RowOf(Key key) {
    return KeyRows[static_cast<std::size_t>(KeyNumber(key))];
}

// Every row sits at its key's number.
static_assert([] {
    for (int number = 0; number < kKeyCount; ++number) {
        if (KeyNumber(KeyRows[static_cast<std::size_t>(number)].key) != number) {
            return false;
        }
    }
    return true;
}());

// Rounding/input options: the number of the selected option button, also what the settings
// store keeps.
namespace RoundOption {
inline constexpr int Integer = 0;  // 1..4 are that many decimal places
inline constexpr int AutoAdd2 = 5;
inline constexpr int FloatingPoint = 6;
inline constexpr int Count = 7;
}  // namespace RoundOption

// Text colours of the display label, RGB values with red in the low byte.
inline constexpr std::uint32_t DisplayBlack = 0;
inline constexpr std::uint32_t DisplayRed = 255;

}  // namespace reckora
