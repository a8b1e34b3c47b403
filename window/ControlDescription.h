#pragma once
// The vocabulary of the window description: what one control of the main window is at design
// time (kind, container, position, texts, font, colours). The tables are built from these.

#include <string_view>

#include "Rgb.h"

namespace reckora {

enum class ControlKind {
    Label,
    Frame,
    OptionButton,
    PictureBox,  // an invisible holder of a picture (control array "Picture1")
    Key,         // a picture box showing a key face (control array "theButton")
    Timer,
    Tape,
    MenuEntry,
};

// The window system's own colours, or a plain RGB value.
enum class SystemColour { None, WindowBackground, WindowText, ButtonFace, ButtonText };

struct Colour {
    SystemColour system = SystemColour::None;
    Rgb rgb;  // used when system is None

    friend constexpr bool operator==(const Colour&, const Colour&) = default;
};

constexpr Colour RgbColour(Rgb rgb) {
    return Colour{SystemColour::None, rgb};
}
constexpr Colour System(SystemColour colour) {
    return Colour{colour, {}};
}

inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Navy{0, 0, 128};

struct FontDescription {
    std::string_view name{};
    float size = 0;  // points
    bool bold = false;
};

// A control whose font is not given uses the window's default font.
inline constexpr FontDescription DefaultFont{"MS Sans Serif", 8, false};

enum class Alignment { Left, Centre, Right };

enum class Border { None, SingleLine };

// Position and size in twips; a child of Frame1 relative to Frame1, every other control
// relative to the window's client area.
struct Geometry {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;

    friend constexpr bool operator==(const Geometry&, const Geometry&) = default;
};

struct ControlDescription {
    std::string_view name{};
    int index = -1;  // -1: not part of a control array
    ControlKind kind = ControlKind::Label;
    std::string_view container{};  // empty: the window itself
    bool hasGeometry = true;
    Geometry geometry{};
    std::string_view caption{};
    std::string_view tooltip{};
    bool hasFont = true;
    FontDescription font = DefaultFont;
    Colour foreColour = System(SystemColour::ButtonText);
    Colour backColour = System(SystemColour::ButtonFace);
    bool transparent = false;  // draws only its border and text
    Border border = Border::None;
    Alignment alignment = Alignment::Left;
    bool visible = true;
    bool enabled = true;
};

// Names a control of the window, an element of a control array by its index.
struct ControlId {
    std::string_view name{};
    int index = -1;

    friend constexpr bool operator==(const ControlId&, const ControlId&) = default;
};

}  // namespace reckora
