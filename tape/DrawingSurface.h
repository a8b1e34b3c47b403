#pragma once
// The tape's own retained drawing surface on screen: what is drawn stays until it is cleared,
// also when the window is covered and uncovered, so the tape has no separate paint step.
// The origin is the top-left corner of the whole control (the scroll bar area included).

#include <string>

#include "TextCanvas.h"

namespace reckora {

class DrawingSurface : public TextCanvas {
public:
    // Size of the control's client area in twips.
    virtual float ScaleWidth() = 0;
    virtual float ScaleHeight() = 0;
    // Fills the whole surface with the paper colour (white).
    virtual void Clear() = 0;
    // The tape font: a fixed-width font ("Courier New" by design, 11.25 points).
    virtual float FontSize() = 0;
    virtual void SetFontSize(float points) = 0;
    virtual std::string FontName() = 0;
};

}  // namespace reckora
