#pragma once
// The screen's scale: how many twips (the unit of the window's tables, the layout and the tape's
// drawing) one device-independent pixel is. The Qt program turns twips into pixels, and pixels
// back into twips, through this one type.

#include <QtGlobal>
#include <cmath>

namespace reckora {

class TwipScale {
public:
    explicit constexpr TwipScale(double twipsPerPixel) : twipsPerPixel_(twipsPerPixel) {}

    double TwipsPerPixel() const { return twipsPerPixel_; }
    // In fractional pixels, for drawing at the device-pixel ratio; its caller rounds as it needs.
    qreal Pixels(double twips) const { return twips / twipsPerPixel_; }
    // In whole pixels, a half away from zero: a widget's place and size.
    int WholePixels(double twips) const { return static_cast<int>(std::lround(Pixels(twips))); }
    double Twips(double pixels) const { return pixels * twipsPerPixel_; }

private:
    double twipsPerPixel_;
};

}  // namespace reckora
