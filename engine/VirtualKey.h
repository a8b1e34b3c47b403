#pragma once
// Windows virtual-key codes and the modifier mask, the key identity the keyboard mapping works
// on; the platform layer translates its own key events into these.

#include <cstdint>

namespace reckora {

namespace VirtualKey {
inline constexpr std::int16_t Back = 8;
inline constexpr std::int16_t Return = 13;
inline constexpr std::int16_t Shift = 16;
inline constexpr std::int16_t Control = 17;
inline constexpr std::int16_t Menu = 18;  // Alt
inline constexpr std::int16_t Escape = 27;
inline constexpr std::int16_t Space = 32;
inline constexpr std::int16_t Prior = 33;  // Page Up
inline constexpr std::int16_t Next = 34;   // Page Down
inline constexpr std::int16_t Up = 38;
inline constexpr std::int16_t Down = 40;
inline constexpr std::int16_t Delete = 46;
inline constexpr std::int16_t Digit0 = 48;   // main-row digits 0..9 are 48..57
inline constexpr std::int16_t LetterA = 65;  // letters A..Z are 65..90
inline constexpr std::int16_t Numpad0 = 96;  // keypad digits 0..9 are 96..105
inline constexpr std::int16_t Multiply = 106;
inline constexpr std::int16_t Add = 107;
inline constexpr std::int16_t Subtract = 109;
inline constexpr std::int16_t Decimal = 110;
inline constexpr std::int16_t Divide = 111;
inline constexpr std::int16_t NumLock = 144;
inline constexpr std::int16_t OemPlus = 187;
inline constexpr std::int16_t OemComma = 188;
inline constexpr std::int16_t OemMinus = 189;
inline constexpr std::int16_t OemPeriod = 190;
inline constexpr std::int16_t Oem2 = 191;  // the slash key of a US keyboard

constexpr std::int16_t Letter(char upper) {
    return static_cast<std::int16_t>(upper);
}
}  // namespace VirtualKey

// The modifier mask of a key event. Only Shift and Ctrl are ever examined.
namespace KeyModifier {
inline constexpr std::int16_t None = 0;
inline constexpr std::int16_t Shift = 1;
inline constexpr std::int16_t Ctrl = 2;
inline constexpr std::int16_t Alt = 4;
}  // namespace KeyModifier

// A key with the modifiers held for it: what a shortcut is bound to.
struct KeyStroke {
    int code = 0;
    int modifiers = KeyModifier::None;

    friend constexpr bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

constexpr KeyStroke Shift(int code) {
    return {code, KeyModifier::Shift};
}
constexpr KeyStroke Ctrl(int code) {
    return {code, KeyModifier::Ctrl};
}
constexpr KeyStroke CtrlShift(int code) {
    return {code, KeyModifier::Ctrl | KeyModifier::Shift};
}

}  // namespace reckora
