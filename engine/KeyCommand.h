#pragma once
// The 31 calculator keys, named, what each one does and the key strokes that press it: one row per
// key, which the engine's dispatch, the keyboard mapping, the key faces and the key scripts all
// read. A key's number is its place on the window (widget object names "theButton_N", the
// harness's key codes) and nothing else; no key, operation or tape mark is computed from another.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "Rgb.h"
#include "RoundingOption.h"
#include "VirtualKey.h"

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
    // The business keys: beyond the designed keypad, in a row of their own that the user may show.
    GrandTotal,
    Subtotal,
    NonAdd,
    TaxPlus,
    TaxMinus,
    Cost,
    Sell,
    Margin,
};

// The designed keys, 0..30: the keypad's faces and the numbers a key script clicks.
inline constexpr int KeyCount = 31;
inline constexpr int BusinessKeyCount = 8;
// Every key, the business keys (31..38) included.
inline constexpr int AllKeyCount = KeyCount + BusinessKeyCount;

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
    GrandTotal,
    Subtotal,
    NonAdd,
    TaxPlus,
    TaxMinus,
    Cost,
    Sell,
    Margin,
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
    // The key's stable name: what a kept journal says was pressed. Never changes, whatever the
    // window does with the key.
    std::string_view name;
    KeyRole role;
    std::string_view text{};                 // for Type
    Operation operation = Operation::Clear;  // for Operate
    bool passesErrorLock = false;            // works while the error lock is on
    // The strokes that press the key and click it; code 0 is no stroke. The comma of a
    // decimal-comma locale is the keyboard mapping's.
    std::array<KeyStroke, 2> strokes{};
    // A stroke with a modifier on a key that means something else alone (Shift+5, Ctrl+C): its
    // face rests on any release, so letting go of either key works.
    bool restsOnAnyRelease = false;
    std::string_view word{};  // the key scripts' name for it; the digits go by their number
};

inline constexpr std::array<KeyRow, AllKeyCount> KeyRows{{
    {.key = Key::Digit0,
     .name = "0",
     .role = KeyRole::Type,
     .text = "0",
     .strokes = {{{VirtualKey::Digit0 + 0}, {VirtualKey::Numpad0 + 0}}}},
    {.key = Key::Digit1,
     .name = "1",
     .role = KeyRole::Type,
     .text = "1",
     .strokes = {{{VirtualKey::Digit0 + 1}, {VirtualKey::Numpad0 + 1}}}},
    {.key = Key::Digit2,
     .name = "2",
     .role = KeyRole::Type,
     .text = "2",
     .strokes = {{{VirtualKey::Digit0 + 2}, {VirtualKey::Numpad0 + 2}}}},
    {.key = Key::Digit3,
     .name = "3",
     .role = KeyRole::Type,
     .text = "3",
     .strokes = {{{VirtualKey::Digit0 + 3}, {VirtualKey::Numpad0 + 3}}}},
    {.key = Key::Digit4,
     .name = "4",
     .role = KeyRole::Type,
     .text = "4",
     .strokes = {{{VirtualKey::Digit0 + 4}, {VirtualKey::Numpad0 + 4}}}},
    {.key = Key::Digit5,
     .name = "5",
     .role = KeyRole::Type,
     .text = "5",
     .strokes = {{{VirtualKey::Digit0 + 5}, {VirtualKey::Numpad0 + 5}}}},
    {.key = Key::Digit6,
     .name = "6",
     .role = KeyRole::Type,
     .text = "6",
     .strokes = {{{VirtualKey::Digit0 + 6}, {VirtualKey::Numpad0 + 6}}}},
    {.key = Key::Digit7,
     .name = "7",
     .role = KeyRole::Type,
     .text = "7",
     .strokes = {{{VirtualKey::Digit0 + 7}, {VirtualKey::Numpad0 + 7}}}},
    {.key = Key::Digit8,
     .name = "8",
     .role = KeyRole::Type,
     .text = "8",
     .strokes = {{{VirtualKey::Digit0 + 8}, {VirtualKey::Numpad0 + 8}}}},
    {.key = Key::Digit9,
     .name = "9",
     .role = KeyRole::Type,
     .text = "9",
     .strokes = {{{VirtualKey::Digit0 + 9}, {VirtualKey::Numpad0 + 9}}}},
    {.key = Key::ClearAll,
     .name = "clear-all",
     .role = KeyRole::Operate,
     .operation = Operation::ClearAll,
     .passesErrorLock = true,
     .strokes = {{Ctrl(VirtualKey::Delete)}},
     .word = "clearall"},
    {.key = Key::MemoryClear,
     .name = "memory-clear",
     .role = KeyRole::Operate,
     .operation = Operation::MemoryClear,
     .strokes = {{Shift(VirtualKey::Delete)}},
     .word = "memclear"},
    {.key = Key::Clear,
     .name = "clear",
     .role = KeyRole::Operate,
     .operation = Operation::Clear,
     .strokes = {{{VirtualKey::Delete}}},
     .word = "clear"},
    {.key = Key::Backspace,
     .name = "backspace",
     .role = KeyRole::Backspace,
     .strokes = {{{VirtualKey::Back}}},
     .word = "back"},
    {.key = Key::Subtract,
     .name = "subtract",
     .role = KeyRole::Operate,
     .operation = Operation::Subtract,
     .strokes = {{{VirtualKey::Subtract}, {VirtualKey::OemMinus}}},
     .word = "sub"},
    {.key = Key::Add,
     .name = "add",
     .role = KeyRole::Operate,
     .operation = Operation::Add,
     .strokes = {{{VirtualKey::Add}, {VirtualKey::OemPlus}}},
     .word = "add"},
    {.key = Key::Divide,
     .name = "divide",
     .role = KeyRole::Operate,
     .operation = Operation::Divide,
     .strokes = {{{VirtualKey::Divide}, {VirtualKey::Oem2}}},
     .word = "div"},
    // Shift+8 and Shift+5 are the asterisk and the percent sign of a US keyboard.
    {.key = Key::Multiply,
     .name = "multiply",
     .role = KeyRole::Operate,
     .operation = Operation::Multiply,
     .strokes = {{{VirtualKey::Multiply}, Shift(VirtualKey::Digit0 + 8)}},
     .restsOnAnyRelease = true,
     .word = "mul"},
    {.key = Key::Percent,
     .name = "percent",
     .role = KeyRole::Operate,
     .operation = Operation::Percent,
     .strokes = {{Shift(VirtualKey::Digit0 + 5)}},
     .restsOnAnyRelease = true,
     .word = "percent"},
    {.key = Key::Total,
     .name = "total",
     .role = KeyRole::Operate,
     .operation = Operation::Total,
     .strokes = {{{VirtualKey::Return}}},
     .word = "total"},
    {.key = Key::MemoryRecall,
     .name = "memory-recall",
     .role = KeyRole::Operate,
     .operation = Operation::MemoryRecall,
     .strokes = {{Shift(VirtualKey::Return)}},
     .word = "memrecall"},
    {.key = Key::MemorySubtract,
     .name = "memory-subtract",
     .role = KeyRole::Operate,
     .operation = Operation::MemorySubtract,
     .strokes = {{Shift(VirtualKey::Subtract), Shift(VirtualKey::OemMinus)}},
     .word = "memsub"},
    {.key = Key::MemoryAdd,
     .name = "memory-add",
     .role = KeyRole::Operate,
     .operation = Operation::MemoryAdd,
     .strokes = {{Shift(VirtualKey::Add), Shift(VirtualKey::OemPlus)}},
     .word = "memadd"},
    {.key = Key::Copy,
     .name = "copy",
     .role = KeyRole::CopyDisplay,
     .strokes = {{Ctrl(VirtualKey::Letter('C'))}},
     .restsOnAnyRelease = true,
     .word = "copy"},
    {.key = Key::Paste,
     .name = "paste",
     .role = KeyRole::PasteNumber,
     .strokes = {{Ctrl(VirtualKey::Letter('V'))}},
     .restsOnAnyRelease = true,
     .word = "paste"},
    {.key = Key::ShowHideTape,
     .name = "show-tape",
     .role = KeyRole::ToggleTape,
     .strokes = {{Ctrl(VirtualKey::Space)}},
     .restsOnAnyRelease = true,
     .word = "tape"},
    {.key = Key::DoubleZero,
     .name = "00",
     .role = KeyRole::Type,
     .text = "00",
     .strokes = {{{VirtualKey::Space}}},
     .word = "doublezero"},
    {.key = Key::DecimalSeparator,
     .name = "decimal-point",
     .role = KeyRole::TypeSeparator,
     .strokes = {{{VirtualKey::Decimal}, {VirtualKey::OemPeriod}}},
     .word = "point"},
    {.key = Key::PrintTape,
     .name = "print",
     .role = KeyRole::PrintTape,
     .strokes = {{Ctrl(VirtualKey::Letter('P'))}},
     .restsOnAnyRelease = true,
     .word = "print"},
    {.key = Key::New,
     .name = "new",
     .role = KeyRole::StartNewTape,
     .passesErrorLock = true,
     .strokes = {{Ctrl(VirtualKey::Letter('N'))}},
     .restsOnAnyRelease = true,
     .word = "new"},
    {.key = Key::Undo,
     .name = "undo",
     .role = KeyRole::UndoLast,
     .passesErrorLock = true,
     .strokes = {{Ctrl(VirtualKey::Letter('Z'))}},
     .restsOnAnyRelease = true,
     .word = "undo"},
    // The design leaves these strokes free; Ctrl with + and - is the tax, with Enter the subtotal
    // beside Enter's total, and K, L, M sit together for cost, sell and margin.
    {.key = Key::GrandTotal,
     .name = "grand-total",
     .role = KeyRole::Operate,
     .operation = Operation::GrandTotal,
     .strokes = {{Ctrl(VirtualKey::Letter('G'))}},
     .restsOnAnyRelease = true,
     .word = "grandtotal"},
    {.key = Key::Subtotal,
     .name = "subtotal",
     .role = KeyRole::Operate,
     .operation = Operation::Subtotal,
     .strokes = {{Ctrl(VirtualKey::Return)}},
     .restsOnAnyRelease = true,
     .word = "subtotal"},
    {.key = Key::NonAdd,
     .name = "non-add",
     .role = KeyRole::Operate,
     .operation = Operation::NonAdd,
     .strokes = {{Ctrl(VirtualKey::Letter('I'))}},
     .restsOnAnyRelease = true,
     .word = "nonadd"},
    {.key = Key::TaxPlus,
     .name = "tax-plus",
     .role = KeyRole::Operate,
     .operation = Operation::TaxPlus,
     .strokes = {{Ctrl(VirtualKey::Add), Ctrl(VirtualKey::OemPlus)}},
     .restsOnAnyRelease = true,
     .word = "taxplus"},
    {.key = Key::TaxMinus,
     .name = "tax-minus",
     .role = KeyRole::Operate,
     .operation = Operation::TaxMinus,
     .strokes = {{Ctrl(VirtualKey::Subtract), Ctrl(VirtualKey::OemMinus)}},
     .restsOnAnyRelease = true,
     .word = "taxminus"},
    {.key = Key::Cost,
     .name = "cost",
     .role = KeyRole::Operate,
     .operation = Operation::Cost,
     .strokes = {{Ctrl(VirtualKey::Letter('K'))}},
     .restsOnAnyRelease = true,
     .word = "cost"},
    {.key = Key::Sell,
     .name = "sell",
     .role = KeyRole::Operate,
     .operation = Operation::Sell,
     .strokes = {{Ctrl(VirtualKey::Letter('L'))}},
     .restsOnAnyRelease = true,
     .word = "sell"},
    {.key = Key::Margin,
     .name = "margin",
     .role = KeyRole::Operate,
     .operation = Operation::Margin,
     .strokes = {{Ctrl(VirtualKey::Letter('M'))}},
     .restsOnAnyRelease = true,
     .word = "margin"},
}};

// The key's number on the window.
constexpr int KeyNumber(Key key) {
    return static_cast<int>(key);
}

// The key at a number of the designed window; none outside 0..30.
constexpr std::optional<Key> KeyAt(int number) {
    if (number < 0 || number >= KeyCount) {
        return std::nullopt;
    }
    return KeyRows[static_cast<std::size_t>(number)].key;
}

// The key at a number of the whole table, the business keys (31..38) included: what a command's
// record holds. The window's own numbers are KeyAt's.
constexpr std::optional<Key> AnyKeyAt(int number) {
    if (number < 0 || number >= AllKeyCount) {
        return std::nullopt;
    }
    return KeyRows[static_cast<std::size_t>(number)].key;
}

constexpr bool IsBusinessKey(Key key) {
    return KeyNumber(key) >= KeyCount;
}

constexpr const KeyRow& RowOf(Key key) {
    return KeyRows[static_cast<std::size_t>(KeyNumber(key))];
}

// The key a key script names by its word; none for another word.
constexpr std::optional<Key> KeyWithWord(std::string_view word) {
    for (const KeyRow& row : KeyRows) {
        if (!row.word.empty() && row.word == word) {
            return row.key;
        }
    }
    return std::nullopt;
}

// The key with a stable name; none for another name.
constexpr std::optional<Key> KeyNamed(std::string_view name) {
    for (const KeyRow& row : KeyRows) {
        if (row.name == name) {
            return row.key;
        }
    }
    return std::nullopt;
}

// Every row sits at its key's number.
static_assert([] {
    for (int number = 0; number < AllKeyCount; ++number) {
        if (KeyNumber(KeyRows[static_cast<std::size_t>(number)].key) != number) {
            return false;
        }
    }
    return true;
}());

// Text colours of the display label.
inline constexpr Rgb DisplayBlack{0, 0, 0};
inline constexpr Rgb DisplayRed{255, 0, 0};

}  // namespace reckora
