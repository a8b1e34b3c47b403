#pragma once
// A printer that writes a PDF document into memory, so that saving the tape as PDF goes through
// the same layout as printing it. Texts are set in the standard Courier font (no font file is
// embedded), glyphs are drawn pixel by pixel.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "LineLayout.h"
#include "Printer.h"
#include "TapeLine.h"

namespace reckora {

class PdfPrinter final : public Printer {
public:
    void SetFontName(const std::string& name) override;
    void SetFontSize(float points) override;
    TextSize MeasureText(std::string_view text) override;
    float PageWidth() override;
    float PageHeight() override;
    void SetTextColor(Rgb color) override;
    void DrawText(float x, float top, std::string_view text) override;
    void DrawGlyph(const GlyphBitmap& glyph, float x, float top, float height) override;
    void SetTextStyle(TextStyle style) override { style_ = style; }
    void FillRect(float x, float top, float width, float height, Rgb color) override;
    void NewPage() override;
    void EndDocument() override;
    void AbortDocument() noexcept override;

    // The document's title, shown by viewers; none when empty.
    void SetTitle(std::string_view title) { title_ = title; }
    // The finished document; empty until EndDocument.
    const std::string& Document() const { return document_; }

private:
    std::string& Page();
    float StyledSize() const { return fontSize_ * TextScale(style_); }

    float fontSize_ = 11;
    TextStyle style_ = TextStyle::Normal;
    std::string color_ = "0 0 0 rg";
    std::vector<std::string> pages_;  // content streams
    std::string title_;
    std::string document_;
};

// Lines 1..count of the tape laid out as printed, with their extras, as a PDF document; a named
// tape's name is the document's title.
std::string TapeAsPdf(const TapeLines& lines, std::int32_t count, const ExtrasOfLine& extras = {},
                      std::string_view name = {});

}  // namespace reckora
