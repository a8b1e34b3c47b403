#pragma once
// The tape's mark glyphs as images for the screen and the printer: ink where the bitmap has a
// pixel, white elsewhere. Each glyph is turned into an image once, on its first use.

#include <QImage>
#include <map>

#include "Glyphs.h"

namespace reckora {

class GlyphImages {
public:
    const QImage& Of(const GlyphBitmap& glyph);

private:
    std::map<int, QImage> images_;
};

}  // namespace reckora
