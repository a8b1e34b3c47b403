#pragma once
// The keyboard tables: which key command, rounding option, tape page or exit question each
// virtual-key code stands for without a modifier, with Shift and with Ctrl, and which key faces
// rest again when a key is released.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "KeyCommand.h"
#include "VirtualKey.h"

namespace reckora {

enum class KeyAction : std::uint8_t {
    Command,       // press face `value` and run key command `value`
    UndoCommand,   // as Command, but only while the Undo key is enabled
    SelectOption,  // select rounding/input option `value`; no face, no key command
    PageUp,        // page the tape up
    PageDown,      // page the tape down
    ConfirmExit,   // ask whether to end the program
};

// One row covers the codes first..last; for a range, `value` belongs to `first` and grows by one
// per code (the digit rows).
struct KeyBinding {
    std::int16_t first;
    std::int16_t last;
    KeyAction action;
    std::int16_t value;
};

// What a looked-up key does; `value` is already shifted for the code within its row.
struct KeyResult {
    KeyAction action;
    std::int16_t value;
};

namespace detail {
constexpr KeyBinding Key(std::int16_t code, int command) {
    return {code, code, KeyAction::Command, static_cast<std::int16_t>(command)};
}
constexpr KeyBinding Keys(std::int16_t first, std::int16_t last, KeyAction action, int value) {
    return {first, last, action, static_cast<std::int16_t>(value)};
}
constexpr KeyBinding Do(std::int16_t code, KeyAction action, int value = 0) {
    return {code, code, action, static_cast<std::int16_t>(value)};
}
}  // namespace detail

inline constexpr auto PlainKeys = std::to_array<KeyBinding>({
    detail::Keys(VirtualKey::Digit0, VirtualKey::Digit0 + 9, KeyAction::Command,
                 KeyCommand::Digit0),
    detail::Keys(VirtualKey::Numpad0, VirtualKey::Numpad0 + 9, KeyAction::Command,
                 KeyCommand::Digit0),
    detail::Key(VirtualKey::Delete, KeyCommand::Clear),
    detail::Key(VirtualKey::Back, KeyCommand::Backspace),
    detail::Key(VirtualKey::Subtract, KeyCommand::Subtract),
    detail::Key(VirtualKey::OemMinus, KeyCommand::Subtract),
    detail::Key(VirtualKey::Add, KeyCommand::Add),
    detail::Key(VirtualKey::OemPlus, KeyCommand::Add),
    detail::Key(VirtualKey::Divide, KeyCommand::Divide),
    detail::Key(VirtualKey::Oem2, KeyCommand::Divide),
    detail::Key(VirtualKey::Multiply, KeyCommand::Multiply),
    detail::Key(VirtualKey::Return, KeyCommand::Total),
    detail::Key(VirtualKey::Decimal, KeyCommand::DecimalSeparator),
    detail::Key(VirtualKey::OemPeriod, KeyCommand::DecimalSeparator),
    detail::Key(VirtualKey::Space, KeyCommand::DoubleZero),
    detail::Do(VirtualKey::Escape, KeyAction::ConfirmExit),
    detail::Do(VirtualKey::Prior, KeyAction::PageUp),
    detail::Do(VirtualKey::Next, KeyAction::PageDown),
});

// Shift+5 and Shift+8 are the percent sign and the asterisk of a US keyboard.
inline constexpr auto ShiftKeys = std::to_array<KeyBinding>({
    detail::Key(VirtualKey::Digit0 + 5, KeyCommand::Percent),
    detail::Key(VirtualKey::Digit0 + 8, KeyCommand::Multiply),
    detail::Key(VirtualKey::Subtract, KeyCommand::MemorySubtract),
    detail::Key(VirtualKey::OemMinus, KeyCommand::MemorySubtract),
    detail::Key(VirtualKey::Add, KeyCommand::MemoryAdd),
    detail::Key(VirtualKey::OemPlus, KeyCommand::MemoryAdd),
    detail::Key(VirtualKey::Return, KeyCommand::MemoryRestore),
    detail::Key(VirtualKey::Delete, KeyCommand::MemoryClear),
});

inline constexpr auto CtrlKeys = std::to_array<KeyBinding>({
    detail::Key(VirtualKey::Letter('C'), KeyCommand::Copy),
    detail::Key(VirtualKey::Letter('V'), KeyCommand::Paste),
    detail::Key(VirtualKey::Letter('P'), KeyCommand::PrintTape),
    detail::Key(VirtualKey::Letter('N'), KeyCommand::New),
    detail::Do(VirtualKey::Letter('Z'), KeyAction::UndoCommand, KeyCommand::Undo),
    detail::Key(VirtualKey::Space, KeyCommand::ShowHideTape),
    detail::Key(VirtualKey::Delete, KeyCommand::ClearAll),
    detail::Keys(VirtualKey::Digit0, VirtualKey::Digit0 + 4, KeyAction::SelectOption,
                 RoundOption::Integer),
    detail::Keys(VirtualKey::Numpad0, VirtualKey::Numpad0 + 4, KeyAction::SelectOption,
                 RoundOption::Integer),
    detail::Do(VirtualKey::Letter('A'), KeyAction::SelectOption, RoundOption::AutoAdd2),
    detail::Do(VirtualKey::Letter('F'), KeyAction::SelectOption, RoundOption::FloatingPoint),
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

constexpr std::optional<KeyResult> LookUpKey(int code, int modifiers) {
    for (const KeyBinding& row : KeyTableFor(modifiers)) {
        if (code >= row.first && code <= row.last) {
            return KeyResult{row.action, static_cast<std::int16_t>(row.value + (code - row.first))};
        }
    }
    return std::nullopt;
}

// Faces that rest when a key is released, before the always-rested ones. For a range of codes
// the single face grows by one per code, like the digit rows above.
struct FaceRelease {
    std::int16_t first;
    std::int16_t last;
    std::array<std::int8_t, 3> faces;  // -1 marks an unused place
};

inline constexpr auto ReleasedFaces = std::to_array<FaceRelease>({
    {VirtualKey::Digit0, VirtualKey::Digit0 + 9, {KeyCommand::Digit0, -1, -1}},
    {VirtualKey::Numpad0, VirtualKey::Numpad0 + 9, {KeyCommand::Digit0, -1, -1}},
    {VirtualKey::Delete,
     VirtualKey::Delete,
     {KeyCommand::ClearAll, KeyCommand::MemoryClear, KeyCommand::Clear}},
    {VirtualKey::Back, VirtualKey::Back, {KeyCommand::Backspace, -1, -1}},
    {VirtualKey::Subtract,
     VirtualKey::Subtract,
     {KeyCommand::Subtract, KeyCommand::MemorySubtract, -1}},
    {VirtualKey::OemMinus,
     VirtualKey::OemMinus,
     {KeyCommand::Subtract, KeyCommand::MemorySubtract, -1}},
    {VirtualKey::Add, VirtualKey::Add, {KeyCommand::Add, KeyCommand::MemoryAdd, -1}},
    {VirtualKey::OemPlus, VirtualKey::OemPlus, {KeyCommand::Add, KeyCommand::MemoryAdd, -1}},
    {VirtualKey::Divide, VirtualKey::Divide, {KeyCommand::Divide, -1, -1}},
    {VirtualKey::Oem2, VirtualKey::Oem2, {KeyCommand::Divide, -1, -1}},
    {VirtualKey::Multiply, VirtualKey::Multiply, {KeyCommand::Multiply, -1, -1}},
    {VirtualKey::Return, VirtualKey::Return, {KeyCommand::Total, KeyCommand::MemoryRestore, -1}},
    {VirtualKey::Space, VirtualKey::Space, {KeyCommand::DoubleZero, -1, -1}},
    {VirtualKey::Decimal, VirtualKey::Decimal, {KeyCommand::DecimalSeparator, -1, -1}},
    {VirtualKey::OemPeriod, VirtualKey::OemPeriod, {KeyCommand::DecimalSeparator, -1, -1}},
});

// Faces pressed through Shift+5, Shift+8 and the Ctrl letters and Space: every release rests
// them, so letting go of the modifier or of the other key both work.
inline constexpr auto FacesRestedOnEveryRelease = std::to_array<std::int8_t>({
    KeyCommand::Percent,
    KeyCommand::Multiply,
    KeyCommand::Copy,
    KeyCommand::Paste,
    KeyCommand::ShowHideTape,
    KeyCommand::PrintTape,
    KeyCommand::New,
    KeyCommand::Undo,
});

}  // namespace reckora
