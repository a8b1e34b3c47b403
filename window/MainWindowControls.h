#pragma once
// The main window (object name "FrmMain") and its controls other than the keys and the menus,
// as designed: display, indicators, the rounding selector in Frame1, the Undo face holders, the
// timer and the tape.

#include <array>
#include <string_view>

#include "ControlDescription.h"
#include "UserText.h"

namespace reckora {

struct WindowDescription {
    std::string_view caption;
    float clientWidth;  // twips, as drawn; the layout sets the real size at run time
    float clientHeight;
    bool resizable;
    bool minimiseButton;
    bool maximiseButton;
    bool keyPreview;
};

inline constexpr WindowDescription MainWindowDescription{
    .caption = RECKORA_USER_TEXT("Reckora Calculator"),
    .clientWidth = 8655,
    .clientHeight = 4125,
    .resizable = true,
    .minimiseButton = true,
    .maximiseButton = false,
    .keyPreview = true,
};

// A character array, so that lupdate files the text under the context "reckora".
inline constexpr char RoundSelectorTooltip[] = RECKORA_USER_TEXT("Round \\ Input Option");

// One rounding option button with the label above it, left to right as on the window.
struct RoundSelectorColumn {
    int option;  // the option button's index (control array "RoundOpt")
    std::string_view tooltip;
    Geometry button;
    int labelIndex;  // the label's index (control array "Label1")
    std::string_view labelCaption;
    Geometry label;
};

inline constexpr std::array<RoundSelectorColumn, 7> RoundSelector{{
    {6,
     RECKORA_USER_TEXT("Floating Point (Ctrl+F)"),
     {105, 390, 195, 192},
     0,
     "F",
     {120, 165, 195, 195}},
    {4,
     RECKORA_USER_TEXT("4 Decimal Places (Ctrl+4)"),
     {465, 390, 195, 192},
     1,
     "4",
     {480, 165, 195, 195}},
    {3,
     RECKORA_USER_TEXT("3 Decimal Places (Ctrl+3)"),
     {705, 390, 195, 192},
     2,
     "3",
     {720, 165, 195, 195}},
    {2,
     RECKORA_USER_TEXT("2 Decimal Places (Ctrl+2)"),
     {945, 390, 195, 192},
     3,
     "2",
     {960, 165, 195, 195}},
    {1,
     RECKORA_USER_TEXT("1 Decimal Place (Ctrl+1)"),
     {1185, 390, 195, 192},
     4,
     "1",
     {1200, 165, 195, 195}},
    {0,
     RECKORA_USER_TEXT("Integer (Ctrl+0)"),
     {1425, 390, 195, 192},
     5,
     "0",
     {1440, 165, 195, 195}},
    {5,
     RECKORA_USER_TEXT("Auto Add 2 Decimal Places (Ctrl+A)"),
     {2010, 390, 195, 192},
     6,
     "ADD2",
     {1800, 165, 660, 195}},
}};

inline constexpr std::string_view OptionButtonCaption = "Option1";
inline constexpr FontDescription SelectorLabelFont{"Arial", 9, true};
inline constexpr Colour SelectorLabelColour = RgbColour(Navy);

// The controls other than the keys, in the window's control order. The selector's labels and
// option buttons are listed in index order; their geometry comes from RoundSelector.
namespace detail {

constexpr const RoundSelectorColumn& ColumnOfOption(int option) {
    for (const auto& column : RoundSelector) {
        if (column.option == option) {
            return column;
        }
    }
    return RoundSelector[0];
}

constexpr const RoundSelectorColumn& ColumnOfLabel(int labelIndex) {
    for (const auto& column : RoundSelector) {
        if (column.labelIndex == labelIndex) {
            return column;
        }
    }
    return RoundSelector[0];
}

constexpr ControlDescription SelectorLabel(int index) {
    const auto& column = ColumnOfLabel(index);
    return {.name = "Label1",
            .index = index,
            .kind = ControlKind::Label,
            .container = "Frame1",
            .geometry = column.label,
            .caption = column.labelCaption,
            .font = SelectorLabelFont,
            .foreColour = SelectorLabelColour,
            .alignment = Alignment::Centre};
}

constexpr ControlDescription OptionButton(int index) {
    const auto& column = ColumnOfOption(index);
    return {.name = "RoundOpt",
            .index = index,
            .kind = ControlKind::OptionButton,
            .container = "Frame1",
            .geometry = column.button,
            .caption = OptionButtonCaption,
            .tooltip = column.tooltip};
}

}  // namespace detail

inline constexpr std::array<ControlDescription, 23> MainWindowControls{{
    {.name = "C_Display",
     .kind = ControlKind::Label,
     .geometry = {90, 0, 4410, 495},
     .caption = "Hello",
     .font = {"MS Sans Serif", 18, true},
     .backColour = RgbColour(White),
     .border = Border::SingleLine,
     .alignment = Alignment::Right},
    {.name = "LCounter",
     .kind = ControlKind::Label,
     .geometry = {90, 1245, 570, 270},
     .caption = "0 ",
     .tooltip = RECKORA_USER_TEXT("Counter"),
     .border = Border::SingleLine,
     .alignment = Alignment::Right},
    {.name = "LMem",
     .kind = ControlKind::Label,
     .geometry = {810, 1245, 1770, 270},
     .tooltip = RECKORA_USER_TEXT("Memory"),
     .border = Border::SingleLine,
     .alignment = Alignment::Right},
    {.name = "Frame1",
     .kind = ControlKind::Frame,
     .geometry = {90, 510, 2490, 690},
     .tooltip = RoundSelectorTooltip},
    {.name = "Label2",
     .kind = ControlKind::Label,
     .container = "Frame1",
     .geometry = {0, 90, 2490, 570},
     .tooltip = RoundSelectorTooltip,
     .transparent = true,
     .border = Border::SingleLine},
    detail::SelectorLabel(0),
    detail::SelectorLabel(1),
    detail::SelectorLabel(2),
    detail::SelectorLabel(3),
    detail::SelectorLabel(4),
    detail::SelectorLabel(5),
    detail::SelectorLabel(6),
    detail::OptionButton(0),
    detail::OptionButton(1),
    detail::OptionButton(2),
    detail::OptionButton(3),
    detail::OptionButton(4),
    detail::OptionButton(5),
    detail::OptionButton(6),
    {.name = "Picture1",
     .index = 0,
     .kind = ControlKind::PictureBox,
     .geometry = {480, 0, 615, 495},
     .visible = false},
    {.name = "Picture1",
     .index = 1,
     .kind = ControlKind::PictureBox,
     .geometry = {1200, 0, 615, 495},
     .visible = false},
    {.name = "Timer1", .kind = ControlKind::Timer, .hasGeometry = false, .hasFont = false},
    {.name = "CalcTape1",
     .kind = ControlKind::Tape,
     .geometry = {4620, 0, 3975, 4065},
     .font = {"Courier New", 11.25f, false},
     .foreColour = RgbColour(Navy),
     .backColour = RgbColour(White)},
}};

}  // namespace reckora
