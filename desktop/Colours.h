#pragma once
// Turns the colours of the window description into Qt colours.

#include <QColor>
#include <QPalette>
#include <cstdint>

#include "ControlDescription.h"

namespace reckora {

inline QColor ToQColor(std::uint32_t rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
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
