#include "PdfFile.h"

#include <cairo-pdf.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "Failure.h"
#include "MarkWords.h"

namespace reckora::pdf {

namespace {

// A4 in points, with a margin of half an inch; the tape draws in twips, 20 to the point.
constexpr double PageWidthPoints = 595;
constexpr double PageHeightPoints = 842;
constexpr double MarginPoints = 36;
constexpr double TwipsPerPoint = 20;

// The font the tape is printed in when the caller names none.
constexpr const char* DocumentFont = "Courier New";

[[noreturn]] void Fail(const std::string& what) {
    throw Failure(FailureKind::PrinterFailure, what);
}

std::string Cause(int error) {
    return error != 0 ? std::strerror(error) : "cannot be written";
}

// A hidden name beside the target, not yet taken.
std::FILE* OpenPartial(const std::filesystem::path& path, std::filesystem::path& partial) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        partial = path.parent_path() /
                  ("." + path.filename().string() + ".partial" + std::to_string(attempt));
        // "x": never open a file that is already there.
        if (std::FILE* file = std::fopen(partial.string().c_str(), "wbx")) {
            return file;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    return nullptr;
}

void SetSource(cairo_t* cairo, Rgb color) {
    cairo_set_source_rgb(cairo, color.red / 255.0, color.green / 255.0, color.blue / 255.0);
}

// The glyph's set pixels as an 8-bit mask, clear pixels transparent.
cairo_surface_t* MaskOf(const GlyphBitmap& glyph) {
    cairo_surface_t* mask =
        cairo_image_surface_create(CAIRO_FORMAT_A8, glyph.widthPixels, glyph.heightPixels);
    cairo_surface_flush(mask);
    unsigned char* data = cairo_image_surface_get_data(mask);
    const int stride = cairo_image_surface_get_stride(mask);
    for (int row = 0; row < glyph.heightPixels; ++row) {
        for (int column = 0; column < glyph.widthPixels; ++column) {
            data[row * stride + column] = glyph.IsSet(column, row) ? 0xFF : 0x00;
        }
    }
    cairo_surface_mark_dirty(mask);
    return mask;
}

}  // namespace

PdfFile::PdfFile(std::filesystem::path path, const std::string& title) : path_(std::move(path)) {
    errno = 0;
    file_ = OpenPartial(path_, partial_);
    if (file_ == nullptr) {
        Fail(path_.string() + ": " + Cause(errno));
    }
    surface_ = cairo_pdf_surface_create_for_stream(&PdfFile::Write, this, PageWidthPoints,
                                                   PageHeightPoints);
    cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_TITLE, title.c_str());
    cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_CREATOR, "Reckora Calculator");
    cairo_ = cairo_create(surface_);
    cairo_translate(cairo_, MarginPoints, MarginPoints);
    cairo_scale(cairo_, 1 / TwipsPerPoint, 1 / TwipsPerPoint);
    if (cairo_status(cairo_) != CAIRO_STATUS_SUCCESS) {
        AbortDocument();
        Fail(path_.string() + ": " + cairo_status_to_string(cairo_status(cairo_)));
    }
    SetFontName(DocumentFont);
}

PdfFile::~PdfFile() {
    AbortDocument();
}

cairo_status_t PdfFile::Write(void* self, const unsigned char* data, unsigned int length) {
    auto* pdf = static_cast<PdfFile*>(self);
    if (pdf->file_ == nullptr || std::fwrite(data, 1, length, pdf->file_) != length) {
        pdf->writeFailed_ = true;
        return CAIRO_STATUS_WRITE_ERROR;
    }
    return CAIRO_STATUS_SUCCESS;
}

void PdfFile::SetFontName(const std::string& name) {
    fonts_ = std::make_unique<FontFallback>(name);
    metrics_.clear();
    usedFace_ = nullptr;
}

void PdfFile::SetFontSize(float points) {
    fontSize_ = points;
}

void PdfFile::SetTextStyle(TextStyle style) {
    style_ = style;
}

void PdfFile::UseFont(cairo_font_face_t* face) {
    const double size = static_cast<double>(fontSize_ * TextScale(style_)) * TwipsPerPoint;
    if (face != usedFace_ || size != usedSize_) {
        cairo_set_font_face(cairo_, face);
        cairo_set_font_size(cairo_, size);
        usedFace_ = face;
        usedSize_ = size;
    }
}

PdfFile::Metrics& PdfFile::CurrentMetrics() {
    const float size = fontSize_ * TextScale(style_);
    const auto known = metrics_.find(size);
    if (known != metrics_.end()) {
        return known->second;
    }
    UseFont(fonts_->Primary());
    cairo_font_extents_t font{};
    cairo_font_extents(cairo_, &font);
    Metrics& metrics = metrics_[size];
    metrics.ascent = font.ascent;
    metrics.height = font.ascent + font.descent;
    return metrics;
}

// Texts are set glyph after glyph without kerning, so a text is as wide as its advances.
double PdfFile::Advance(Metrics& metrics, char32_t character) {
    const auto known = metrics.advance.find(character);
    if (known != metrics.advance.end()) {
        return known->second;
    }
    UseFont(fonts_->FaceFor(character));
    // The character back in UTF-8, for cairo.
    std::string utf8;
    if (character < 0x80) {
        utf8 += static_cast<char>(character);
    } else if (character < 0x800) {
        utf8 += static_cast<char>(0xC0 | (character >> 6));
        utf8 += static_cast<char>(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        utf8 += static_cast<char>(0xE0 | (character >> 12));
        utf8 += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        utf8 += static_cast<char>(0xF0 | (character >> 18));
        utf8 += static_cast<char>(0x80 | ((character >> 12) & 0x3F));
        utf8 += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (character & 0x3F));
    }
    cairo_text_extents_t extents{};
    cairo_text_extents(cairo_, utf8.c_str(), &extents);
    metrics.advance.emplace(character, extents.x_advance);
    return extents.x_advance;
}

TextSize PdfFile::MeasureText(std::string_view text) {
    Metrics& metrics = CurrentMetrics();
    double width = 0;
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Char decoded = CharacterAt(text, at);
        width += Advance(metrics, decoded.code);
        at += decoded.length;
    }
    return {static_cast<float>(width), static_cast<float>(metrics.height)};
}

float PdfFile::PageWidth() {
    return static_cast<float>((PageWidthPoints - 2 * MarginPoints) * TwipsPerPoint);
}

float PdfFile::PageHeight() {
    return static_cast<float>((PageHeightPoints - 2 * MarginPoints) * TwipsPerPoint);
}

void PdfFile::SetTextColor(Rgb color) {
    color_ = color;
}

void PdfFile::DrawText(float x, float top, std::string_view text) {
    const Metrics& metrics = CurrentMetrics();
    SetSource(cairo_, color_);
    cairo_move_to(cairo_, x, top + metrics.ascent);
    // Each run goes on where the one before it ended.
    for (const FontRun& part : fonts_->Runs(text)) {
        UseFont(part.face);
        run_.assign(part.text);
        cairo_show_text(cairo_, run_.c_str());
    }
    cairo_new_path(cairo_);
}

void PdfFile::DrawGlyph(const GlyphBitmap& glyph, float x, float top, float height) {
    // No white ground: the page is white, and a ground would cover the mark's text below it.
    cairo_pattern_t*& mask = glyphMasks_[static_cast<std::size_t>(glyph.code)];
    if (mask == nullptr) {
        cairo_surface_t* pixels = MaskOf(glyph);
        mask = cairo_pattern_create_for_surface(pixels);
        cairo_surface_destroy(pixels);
        cairo_pattern_set_filter(mask, CAIRO_FILTER_NEAREST);
    }
    cairo_save(cairo_);
    cairo_translate(cairo_, x, top);
    cairo_scale(cairo_, GlyphTwipsPerPixel, static_cast<double>(height) / glyph.heightPixels);
    SetSource(cairo_, GlyphInk);
    cairo_mask(cairo_, mask);
    cairo_restore(cairo_);
}

void PdfFile::WriteMarkText(TapeMark mark, float x, float top) {
    // White on the white paper: there for a reader that finds and copies "+ 20.00", unseen on
    // the page, where the glyph shows the mark in its ink over it.
    const TextStyle style = std::exchange(style_, TextStyle::Normal);
    const Rgb color = std::exchange(color_, TapePaper);
    DrawText(x, top, store::WordOf(mark).symbol);
    color_ = color;
    style_ = style;
}

void PdfFile::FillRect(float x, float top, float width, float height, Rgb color) {
    SetSource(cairo_, color);
    cairo_rectangle(cairo_, x, top, width, height);
    cairo_fill(cairo_);
}

void PdfFile::Check() {
    const cairo_status_t status =
        cairo_ != nullptr ? cairo_status(cairo_) : CAIRO_STATUS_WRITE_ERROR;
    if (writeFailed_ || status != CAIRO_STATUS_SUCCESS) {
        const int cause = errno;
        AbortDocument();
        Fail(path_.string() + ": " +
             (writeFailed_ ? Cause(cause) : std::string(cairo_status_to_string(status))));
    }
}

void PdfFile::NewPage() {
    cairo_show_page(cairo_);
    Check();
}

void PdfFile::EndDocument() {
    if (surface_ == nullptr) {
        Fail(path_.string() + ": the document was not finished");
    }
    cairo_show_page(cairo_);
    cairo_surface_finish(surface_);
    errno = 0;
    const cairo_status_t status = cairo_surface_status(surface_);
    if (status != CAIRO_STATUS_SUCCESS || writeFailed_) {
        const int cause = errno;
        AbortDocument();
        Fail(path_.string() + ": " +
             (writeFailed_ ? Cause(cause) : std::string(cairo_status_to_string(status))));
    }
    const bool flushed = std::fflush(file_) == 0;
    const int cause = errno;
    const bool closed = std::fclose(file_) == 0 && flushed;
    file_ = nullptr;
    if (!closed) {
        AbortDocument();
        Fail(path_.string() + ": " + Cause(cause));
    }
    std::error_code error;
    std::filesystem::rename(partial_, path_, error);
    if (error) {
        AbortDocument();
        Fail(path_.string() + ": " + error.message());
    }
    partial_.clear();
    Close();
}

void PdfFile::Close() noexcept {
    for (cairo_pattern_t*& mask : glyphMasks_) {
        if (mask != nullptr) {
            cairo_pattern_destroy(mask);
            mask = nullptr;
        }
    }
    if (cairo_ != nullptr) {
        cairo_destroy(cairo_);
        cairo_ = nullptr;
    }
    if (surface_ != nullptr) {
        cairo_surface_destroy(surface_);
        surface_ = nullptr;
    }
}

void PdfFile::AbortDocument() noexcept {
    // Unhooked first, so that finishing the surface writes nothing more.
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    Close();
    if (!partial_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(partial_, ignored);
        partial_.clear();
    }
}

void SaveTapeAsPdf(const std::filesystem::path& path, const TapeLines& lines, std::int32_t count,
                   const PrintExtras& with) {
    PdfFile file(path, with.title);
    try {
        PrintTape(file, lines, count, DocumentFont, with);
    } catch (...) {
        file.AbortDocument();
        throw;
    }
}

}  // namespace reckora::pdf
