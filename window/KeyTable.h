#pragma once
// The 31 calculator keys (control array "theButton", 0..30) in index order: face group, legend,
// picture size, tooltip, accessible name and position, and the two Undo faces held by the
// invisible picture boxes (control array "Picture1", 0..1).

#include <array>
#include <string_view>

#include "ControlDescription.h"
#include "KeyCommand.h"
#include "KeyFaceStyle.h"
#include "UserText.h"

namespace reckora {

struct KeyDescription {
    int index;
    FaceGroup group;
    Legend legend;
    int pictureWidth;  // pixels; times 15 it is the size of the key box in twips
    int pictureHeight;
    std::string_view tooltip;  // empty: the key shows no tooltip
    std::string_view accessibleName;
    Geometry geometry;  // twips in the window's client area
};

inline constexpr int DigitLegendSize = 22;
inline constexpr int LetterLegendSize = 15;
// Two legend sizes only: every size is one more font for the window system to load at start.
inline constexpr int SignLegendSize = DigitLegendSize;

inline constexpr std::array<KeyDescription, 31> Keys{{
    {0,
     FaceGroup::Number,
     TextLegend("0", DigitLegendSize),
     38,
     38,
     "",
     RECKORA_USER_TEXT("Digit 0"),
     {810, 3480, 570, 570}},
    {1,
     FaceGroup::Number,
     TextLegend("1", DigitLegendSize),
     38,
     38,
     "",
     RECKORA_USER_TEXT("Digit 1"),
     {810, 2880, 570, 570}},
    {2,
     FaceGroup::Number,
     TextLegend("2", DigitLegendSize),
     38,
     38,
     "",
     RECKORA_USER_TEXT("Digit 2"),
     {1410, 2880, 570, 570}},
    {3,
     FaceGroup::Number,
     TextLegend("3", DigitLegendSize),
     38,
     38,
     "",
     RECKORA_USER_TEXT("Digit 3"),
     {2010, 2880, 570, 570}},
    {4,
     FaceGroup::Number,
     TextLegend("4", DigitLegendSize),
     38,
     38,
     "",
     RECKORA_USER_TEXT("Digit 4"),
     {810, 2280, 570, 570}},
    {5,
     FaceGroup::Number,
     TextLegend("5", DigitLegendSize),
     38,
     38,
     "",
     RECKORA_USER_TEXT("Digit 5"),
     {1410, 2280, 570, 570}},
    {6,
     FaceGroup::Number,
     TextLegend("6", DigitLegendSize),
     38,
     38,
     "",
     RECKORA_USER_TEXT("Digit 6"),
     {2010, 2280, 570, 570}},
    {7,
     FaceGroup::Number,
     TextLegend("7", DigitLegendSize),
     38,
     38,
     "",
     RECKORA_USER_TEXT("Digit 7"),
     {810, 1680, 570, 570}},
    {8,
     FaceGroup::Number,
     TextLegend("8", DigitLegendSize),
     38,
     38,
     "",
     RECKORA_USER_TEXT("Digit 8"),
     {1410, 1680, 570, 570}},
    {9,
     FaceGroup::Number,
     TextLegend("9", DigitLegendSize),
     38,
     38,
     "",
     RECKORA_USER_TEXT("Digit 9"),
     {2010, 1680, 570, 570}},
    {10,
     FaceGroup::Clear,
     TextLegend("CA", LetterLegendSize),
     38,
     38,
     RECKORA_USER_TEXT("Clear All (Ctrl+Del)"),
     RECKORA_USER_TEXT("Clear All"),
     {90, 1680, 570, 570}},
    {11,
     FaceGroup::Clear,
     TextLegend("MC", LetterLegendSize),
     38,
     38,
     RECKORA_USER_TEXT("Memory Clear (Shift+Del)"),
     RECKORA_USER_TEXT("Memory Clear"),
     {90, 2280, 570, 570}},
    {12,
     FaceGroup::Clear,
     TextLegend("C", DigitLegendSize),
     38,
     38,
     RECKORA_USER_TEXT("Clear (Del)"),
     RECKORA_USER_TEXT("Clear"),
     {90, 2880, 570, 570}},
    {13,
     FaceGroup::Clear,
     IconLegend(KeyIcon::BackArrow),
     38,
     38,
     RECKORA_USER_TEXT("Backspace"),
     RECKORA_USER_TEXT("Backspace"),
     {90, 3480, 570, 570}},
    {14,
     FaceGroup::Subtract,
     TextLegend("\u2212", SignLegendSize),
     38,
     38,
     RECKORA_USER_TEXT("Subtract"),
     RECKORA_USER_TEXT("Subtract"),
     {2730, 1680, 570, 570}},
    {15,
     FaceGroup::Add,
     TwoLineLegend("+", "=", SignLegendSize),
     38,
     118,
     RECKORA_USER_TEXT("Add"),
     RECKORA_USER_TEXT("Add"),
     {2730, 2280, 570, 1770}},
    {16,
     FaceGroup::DivideMultiplyPercent,
     TextLegend("\u00F7", SignLegendSize),
     38,
     38,
     RECKORA_USER_TEXT("Divide"),
     RECKORA_USER_TEXT("Divide"),
     {3330, 1680, 570, 570}},
    {17,
     FaceGroup::DivideMultiplyPercent,
     TextLegend("\u00D7", SignLegendSize),
     38,
     38,
     RECKORA_USER_TEXT("Multply"),
     RECKORA_USER_TEXT("Multiply"),
     {3330, 2280, 570, 570}},
    {18,
     FaceGroup::DivideMultiplyPercent,
     TextLegend("%", DigitLegendSize),
     38,
     38,
     RECKORA_USER_TEXT("PerCent"),
     RECKORA_USER_TEXT("Percent"),
     {3330, 2880, 570, 570}},
    {19,
     FaceGroup::Total,
     TextLegend("T", DigitLegendSize),
     78,
     38,
     RECKORA_USER_TEXT("Total (Enter)"),
     RECKORA_USER_TEXT("Total"),
     {3330, 3480, 1170, 570}},
    {20,
     FaceGroup::Memory,
     TextLegend("MR", LetterLegendSize),
     38,
     38,
     RECKORA_USER_TEXT("Memory Restore (Shift+Enter)"),
     RECKORA_USER_TEXT("Memory Restore"),
     {3930, 1680, 570, 570}},
    {21,
     FaceGroup::Memory,
     TextLegend("M\u2212", LetterLegendSize),
     38,
     38,
     RECKORA_USER_TEXT("Memory Subtract (Shift+ \"-\")"),
     RECKORA_USER_TEXT("Memory Subtract"),
     {3930, 2280, 570, 570}},
    {22,
     FaceGroup::Memory,
     TextLegend("M+", LetterLegendSize),
     38,
     38,
     RECKORA_USER_TEXT("Memory Add (Shit+ \"+\")"),
     RECKORA_USER_TEXT("Memory Add"),
     {3930, 2880, 570, 570}},
    {23,
     FaceGroup::Function,
     IconLegend(KeyIcon::Copy),
     38,
     29,
     RECKORA_USER_TEXT("Copy (Ctrl+C)"),
     RECKORA_USER_TEXT("Copy"),
     {2730, 1080, 570, 435}},
    {24,
     FaceGroup::Function,
     IconLegend(KeyIcon::Paste),
     38,
     29,
     RECKORA_USER_TEXT("Paste (Ctrl+V)"),
     RECKORA_USER_TEXT("Paste"),
     {3330, 1080, 570, 435}},
    {25,
     FaceGroup::Function,
     IconLegend(KeyIcon::TapeToggle),
     38,
     29,
     RECKORA_USER_TEXT("Show \\ Hide Tape (Ctrl+Spacebar)"),
     RECKORA_USER_TEXT("Show or Hide Tape"),
     {3930, 600, 570, 435}},
    {26,
     FaceGroup::Number,
     TextLegend("00", DigitLegendSize),
     38,
     38,
     RECKORA_USER_TEXT("(Spacebar)"),
     RECKORA_USER_TEXT("Double Zero"),
     {1410, 3480, 570, 570}},
    {27,
     FaceGroup::Number,
     SeparatorLegend(DigitLegendSize),
     38,
     38,
     "",
     RECKORA_USER_TEXT("Decimal Separator"),
     {2010, 3480, 570, 570}},
    {28,
     FaceGroup::Function,
     IconLegend(KeyIcon::Printer),
     38,
     29,
     RECKORA_USER_TEXT("Print Tape (Ctrl+P)"),
     RECKORA_USER_TEXT("Print Tape"),
     {3330, 600, 570, 435}},
    {29,
     FaceGroup::Function,
     IconLegend(KeyIcon::NewSheet),
     38,
     29,
     RECKORA_USER_TEXT("New (Ctrl+N)"),
     RECKORA_USER_TEXT("New"),
     {2730, 600, 570, 435}},
    {30,
     FaceGroup::Function,
     IconLegend(KeyIcon::UndoGreyed),
     38,
     29,
     RECKORA_USER_TEXT("Undo (Ctrl+Z)"),
     RECKORA_USER_TEXT("Undo"),
     {3930, 1080, 570, 435}},
}};

// What a screen reader says of a key beyond its name where the key shows no tooltip (which
// would say it) and its name alone does not tell how to type it.
struct KeyAccessibleDescription {
    Key key;
    std::string_view text;
};
inline constexpr std::array<KeyAccessibleDescription, 1> KeyDescriptionsWithoutTooltip{{
    {Key::DecimalSeparator,
     RECKORA_USER_TEXT("Starts the decimal places (the period key, or the comma key where the "
                       "comma is the decimal separator)")},
}};

inline constexpr std::string_view KeyArrayName = "theButton";
inline constexpr int UndoKey = KeyNumber(Key::Undo);

// Keys whose box shows the white background where the picture does not cover it; the others
// (the function keys) show the window background.
constexpr bool HasWhiteKeyBackground(const KeyDescription& key) {
    return key.group != FaceGroup::Function;
}

// The Undo key's two faces, held by two invisible picture boxes.
inline constexpr std::string_view UndoFaceHolderName = "Picture1";
inline constexpr int GreyedUndoFaceHolder = 0;
inline constexpr int ActiveUndoFaceHolder = 1;

constexpr Legend UndoFaceLegend(bool available) {
    return IconLegend(available ? KeyIcon::UndoActive : KeyIcon::UndoGreyed);
}

}  // namespace reckora
