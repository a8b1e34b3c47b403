#pragma once
// The row of business keys the user may show below the keypad: the eight keys 31..38 and the label
// LGrandTotal under them, which shows the grand-total register. Hidden as designed; the window
// grows by BusinessRowHeight when the row is shown.

#include <array>
#include <string_view>

#include "ControlDescription.h"
#include "KeyCommand.h"
#include "KeyTable.h"
#include "UserText.h"

namespace reckora {

// Eight faces across the display's width (90..4500 twips), a gap below key 0's row.
namespace BusinessRow {
inline constexpr float Top = 4080;
inline constexpr float KeyWidth = 510;
inline constexpr float KeyHeight = 570;
inline constexpr float Step = 555;
inline constexpr float LabelTop = 4680;
inline constexpr float LabelHeight = 270;
}  // namespace BusinessRow

constexpr Geometry BusinessKeyPlace(int column) {
    return {90 + static_cast<float>(column) * BusinessRow::Step, BusinessRow::Top,
            BusinessRow::KeyWidth, BusinessRow::KeyHeight};
}

inline constexpr std::array<KeyDescription, BusinessKeyCount> BusinessKeyFaces{{
    {KeyNumber(Key::GrandTotal), FaceGroup::Total, TextLegend("GT", LetterLegendSize), 34, 38,
     RECKORA_USER_TEXT("Grand Total (Ctrl+G)"), RECKORA_USER_TEXT("Grand Total"),
     BusinessKeyPlace(0)},
    {KeyNumber(Key::Subtotal), FaceGroup::Total, TextLegend("\u25C7", LetterLegendSize), 34, 38,
     RECKORA_USER_TEXT("Subtotal (Ctrl+Enter)"), RECKORA_USER_TEXT("Subtotal"),
     BusinessKeyPlace(1)},
    {KeyNumber(Key::NonAdd), FaceGroup::Function, TextLegend("#", LetterLegendSize), 34, 38,
     RECKORA_USER_TEXT("Non-Add Number (Ctrl+I)"), RECKORA_USER_TEXT("Non-Add Number"),
     BusinessKeyPlace(2)},
    {KeyNumber(Key::TaxPlus), FaceGroup::DivideMultiplyPercent,
     TwoLineLegend("Tax", "+", LetterLegendSize), 34, 38, RECKORA_USER_TEXT("Add Tax (Ctrl+Plus)"),
     RECKORA_USER_TEXT("Add Tax"), BusinessKeyPlace(3)},
    {KeyNumber(Key::TaxMinus), FaceGroup::DivideMultiplyPercent,
     TwoLineLegend("Tax", "\u2212", LetterLegendSize), 34, 38,
     RECKORA_USER_TEXT("Remove Tax (Ctrl+Minus)"), RECKORA_USER_TEXT("Remove Tax"),
     BusinessKeyPlace(4)},
    {KeyNumber(Key::Cost), FaceGroup::Memory, TextLegend("Cost", LetterLegendSize), 34, 38,
     RECKORA_USER_TEXT("Cost (Ctrl+K)"), RECKORA_USER_TEXT("Cost"), BusinessKeyPlace(5)},
    {KeyNumber(Key::Sell), FaceGroup::Memory, TextLegend("Sell", LetterLegendSize), 34, 38,
     RECKORA_USER_TEXT("Selling Price (Ctrl+L)"), RECKORA_USER_TEXT("Selling Price"),
     BusinessKeyPlace(6)},
    {KeyNumber(Key::Margin), FaceGroup::Memory, TwoLineLegend("Mar", "gin", LetterLegendSize), 34,
     38, RECKORA_USER_TEXT("Margin in Percent (Ctrl+M)"), RECKORA_USER_TEXT("Margin"),
     BusinessKeyPlace(7)},
}};

// The grand-total register under the faces, as the memory label shows the memory.
inline constexpr std::string_view GrandTotalLabelName = "LGrandTotal";
inline constexpr ControlDescription GrandTotalLabel{
    .name = GrandTotalLabelName,
    .kind = ControlKind::Label,
    .geometry = {90, BusinessRow::LabelTop, 4410, BusinessRow::LabelHeight},
    .tooltip = RECKORA_USER_TEXT("Grand Total"),
    .border = Border::SingleLine,
    .alignment = Alignment::Right,
    .visible = false};

// What the label and the grand-total menu entry show while the register is not zero; %1 is the
// register as the display would show it.
inline constexpr char GrandTotalLabelText[] = RECKORA_USER_TEXT("GT %1");
inline constexpr char GrandTotalEntryText[] = RECKORA_USER_TEXT("Grand Total (GT %1)    (Ctrl+G)");

// A key's description, the business keys' included; nullptr for a number without a face.
constexpr const KeyDescription* KeyDescriptionAt(int index) {
    if (index >= 0 && index < KeyCount) {
        return &Keys[static_cast<std::size_t>(index)];
    }
    if (index >= KeyCount && index < AllKeyCount) {
        return &BusinessKeyFaces[static_cast<std::size_t>(index - KeyCount)];
    }
    return nullptr;
}

}  // namespace reckora
