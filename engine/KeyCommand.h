#pragma once
// Key command indexes: the argument of theButton_Click and the index of a key on the window.

#include <cstdint>

namespace reckora {

namespace KeyCommand {
inline constexpr int Digit0 = 0;  // digits 0..9 are the indexes 0..9
inline constexpr int ClearAll = 10;
inline constexpr int MemoryClear = 11;
inline constexpr int Clear = 12;
inline constexpr int Backspace = 13;
inline constexpr int Subtract = 14;
inline constexpr int Add = 15;
inline constexpr int Divide = 16;
inline constexpr int Multiply = 17;
inline constexpr int Percent = 18;
inline constexpr int Total = 19;
inline constexpr int MemoryRestore = 20;
inline constexpr int MemorySubtract = 21;
inline constexpr int MemoryAdd = 22;
inline constexpr int Copy = 23;
inline constexpr int Paste = 24;
inline constexpr int ShowHideTape = 25;
inline constexpr int DoubleZero = 26;
inline constexpr int DecimalSeparator = 27;
inline constexpr int PrintTape = 28;
inline constexpr int New = 29;
inline constexpr int Undo = 30;
inline constexpr int Count = 31;
}  // namespace KeyCommand

// Rounding/input options: the index of the selected RoundOpt button.
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
