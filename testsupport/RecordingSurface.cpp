#include "RecordingSurface.h"

#include <utility>

namespace reckora {

namespace {

std::size_t CountCharacters(std::string_view utf8) {
    std::size_t count = 0;
    for (char byte : utf8) {
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

}  // namespace

TextSize FixedFontMetrics::Measure(std::string_view text, float atFontSize) const {
    const float scale = atFontSize / fontSize;
    return {charWidth * scale * static_cast<float>(CountCharacters(text)), lineHeight * scale};
}

RecordingSurface::RecordingSurface(Options options)
    : width_(options.width),
      height_(options.height),
      font_(options.font),
      fontSize_(options.font.fontSize),
      fontName_(std::move(options.fontName)),
      keepPicture_(options.keepPicture) {}

TextSize RecordingSurface::MeasureText(std::string_view text) {
    return font_.Measure(text, fontSize_ * TextScale(style_));
}

void RecordingSurface::Clear() {
    ++counts_.clears;
    picture_.clear();
}

void RecordingSurface::SetTextColor(Rgb color) {
    color_ = color;
}

void RecordingSurface::DrawText(float x, float top, std::string_view text) {
    ++counts_.texts;
    if (keepPicture_) {
        const TextSize size = MeasureText(text);
        Record({DrawOp::Kind::Text, x, top, size.width, size.height, color_, std::string(text)});
    }
}

void RecordingSurface::DrawGlyph(const GlyphBitmap& glyph, float x, float top, float height) {
    ++counts_.glyphs;
    if (keepPicture_) {
        const float width = static_cast<float>(glyph.widthPixels * GlyphTwipsPerPixel);
        Record({DrawOp::Kind::Glyph, x, top, width, height, GlyphInk, {}, glyph.code});
    }
}

void RecordingSurface::FillRect(float x, float top, float width, float height, Rgb color) {
    ++counts_.fills;
    if (keepPicture_) {
        Record({DrawOp::Kind::Fill, x, top, width, height, color, {}});
    }
}

void RecordingSurface::Resize(float width, float height) {
    width_ = width;
    height_ = height;
}

void RecordingSurface::Record(DrawOp op) {
    picture_.push_back(std::move(op));
}

std::vector<DrawOp> RecordingSurface::VisiblePicture() const {
    std::vector<DrawOp> visible;
    for (const DrawOp& op : picture_) {
        if (op.top < height_ && op.top + op.height > 0 && op.x < width_ && op.x + op.width > 0) {
            visible.push_back(op);
        }
    }
    return visible;
}

}  // namespace reckora
