#include "GlyphImages.h"

#include "TapeInks.h"

#include <utility>

namespace reckora {

const QImage& GlyphImages::Of(const GlyphBitmap& glyph) {
    auto found = images_.find(glyph.code);
    if (found == images_.end()) {
        QImage image(glyph.widthPixels, glyph.heightPixels, QImage::Format_RGB32);
        const QRgb ink = qRgb(GlyphInk.red, GlyphInk.green, GlyphInk.blue);
        const QRgb paper = qRgb(TapePaper.red, TapePaper.green, TapePaper.blue);
        for (int y = 0; y < glyph.heightPixels; ++y) {
            for (int x = 0; x < glyph.widthPixels; ++x) {
                image.setPixel(x, y, glyph.IsSet(x, y) ? ink : paper);
            }
        }
        found = images_.emplace(glyph.code, std::move(image)).first;
    }
    return found->second;
}

}  // namespace reckora
