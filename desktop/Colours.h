#pragma once
// Turns the program's colours and those of the window description into Qt colours.

#include <QColor>
#include <QPalette>

#include "ControlDescription.h"
#include "Rgb.h"

namespace reckora {

inline QColor ToQColor(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

// The window system's colours come from the application palette.
inline QColor ToQColor(const Colour& colour, const QPalette& palette) {
    switch (colour.system) {
        case SystemColour::WindowBackground:
            return palette.color(QPalette::Base);
        case SystemColour::WindowText:
            return palette.color(QPalette::Text);
        case SystemColour::ButtonFace:
            return palette.color(QPalette::Button);
        case SystemColour::ButtonText:
            return palette.color(QPalette::ButtonText);
        case SystemColour::None:
            break;
    }
    return ToQColor(colour.rgb);
}

}  // namespace reckora
