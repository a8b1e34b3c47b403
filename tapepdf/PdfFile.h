#pragma once
// A printer that writes the tape as a PDF file through cairo: texts in a real text layer, in the
// installed fonts that have their characters (embedded as subsets), and the mark glyphs drawn as
// pictures with the mark also present as text, so that a reader copies and finds "+ 20.00".
// Pages are written to the file as they are finished. The file appears under its name only when
// the document is complete: until then it is written beside it under a hidden name, which an
// abort or a failure removes, so no half-written file is ever left behind.

#include <cairo.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>

#include "FontFallback.h"
#include "Printer.h"
#include "TapePrint.h"

namespace reckora::pdf {

class PdfFile final : public Printer {
public:
    // Throws Failure (PrinterFailure) when the file cannot be created.
    PdfFile(std::filesystem::path path, const std::string& title);
    ~PdfFile() override;
    PdfFile(const PdfFile&) = delete;
    PdfFile& operator=(const PdfFile&) = delete;

    void SetFontName(const std::string& name) override;
    void SetFontSize(float points) override;
    TextSize MeasureText(std::string_view text) override;
    float PageWidth() override;
    float PageHeight() override;
    void SetTextColor(Rgb color) override;
    void DrawText(float x, float top, std::string_view text) override;
    void DrawGlyph(const GlyphBitmap& glyph, float x, float top, float height) override;
    void WriteMarkText(TapeMark mark, float x, float top) override;
    void SetTextStyle(TextStyle style) override;
    void FillRect(float x, float top, float width, float height, Rgb color) override;
    void NewPage() override;
    void EndDocument() override;
    void AbortDocument() noexcept override;
    bool WritesDocument() const override { return true; }

private:
    static cairo_status_t Write(void* self, const unsigned char* data, unsigned int length);
    // What a text is measured with, for the current font, size and style.
    struct Metrics {
        double ascent = 0;
        double height = 0;
        std::unordered_map<char32_t, double> advance;
    };
    Metrics& CurrentMetrics();
    double Advance(Metrics& metrics, char32_t character);
    void UseFont(cairo_font_face_t* face);
    void Check();
    void Close() noexcept;

    std::filesystem::path path_;
    std::filesystem::path partial_;
    std::FILE* file_ = nullptr;
    bool writeFailed_ = false;
    cairo_surface_t* surface_ = nullptr;
    cairo_t* cairo_ = nullptr;
    std::unique_ptr<FontFallback> fonts_;
    float fontSize_ = PrintFontSize;
    TextStyle style_ = TextStyle::Normal;
    Rgb color_ = TapeBlack;
    // Measured once per font size and style: the tape's texts are made of few characters.
    std::unordered_map<float, Metrics> metrics_;
    cairo_font_face_t* usedFace_ = nullptr;
    double usedSize_ = 0;
    std::string run_;
    std::array<cairo_pattern_t*, GlyphBitmaps.size()> glyphMasks_{};  // made when first drawn
};

// Lines 1..count of the tape, laid out as printed, written to a PDF file at `path`; the pages are
// headed with `with.title`. Throws Failure: PrinterFailure when the file cannot be written (its
// cause in the message), Cancelled when the progress stops it; the file is then left as it was.
void SaveTapeAsPdf(const std::filesystem::path& path, const TapeLines& lines, std::int32_t count,
                   const PrintExtras& with);

}  // namespace reckora::pdf
