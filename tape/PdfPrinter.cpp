#include "PdfPrinter.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "TapePrint.h"

namespace reckora {
namespace {

// A4 in points, with a margin of half an inch; one point is 20 twips.
constexpr float kPageWidthPoints = 595;
constexpr float kPageHeightPoints = 842;
constexpr float kMarginPoints = 36;
constexpr float kTwipsPerPoint = 20;
// Courier: every character is 0.6 em wide; a line is 1.2 em high.
constexpr float kCharWidthEm = 0.6F;
constexpr float kLineHeightEm = 1.2F;

// Always with a dot: the C library's formatting would follow the user's locale.
std::string Number(double value) {
    std::array<char, 48> text{};
    const auto [end, error] =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, 2);
    return error == std::errc{} ? std::string(text.data(), end) : std::string("0");
}

// A text string for the document information: UTF-16BE with a byte-order mark, in hex, so that
// any name reads right in a viewer's title. Malformed UTF-8 bytes are left out.
std::string HexTextString(std::string_view utf8) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex = "<FEFF";
    const auto unit = [&](char32_t value) {
        for (int shift = 12; shift >= 0; shift -= 4) {
            hex.push_back(kDigits[(value >> shift) & 0xF]);
        }
    };
    for (std::size_t at = 0; at < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        char32_t value = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (std::size_t i = 1; i < length && at + i < utf8.size(); ++i) {
            value = (value << 6) | (static_cast<unsigned char>(utf8[at + i]) & 0x3F);
        }
        at += length;
        if (value >= 0x10000 && value <= 0x10FFFF) {
            value -= 0x10000;
            unit(0xD800 + (value >> 10));
            unit(0xDC00 + (value & 0x3FF));
        } else if (value < 0x10000) {
            unit(value);
        }
    }
    return hex + ">";
}

// The characters WinAnsi places at 0x80..0x9F, where Latin-1 has control characters.
struct WinAnsiExtra {
    char32_t character;
    unsigned char code;
};
constexpr std::array<WinAnsiExtra, 27> kWinAnsiExtras{{
    {U'\u20AC', 0x80}, {U'\u201A', 0x82}, {U'\u0192', 0x83}, {U'\u201E', 0x84}, {U'\u2026', 0x85},
    {U'\u2020', 0x86}, {U'\u2021', 0x87}, {U'\u02C6', 0x88}, {U'\u2030', 0x89}, {U'\u0160', 0x8A},
    {U'\u2039', 0x8B}, {U'\u0152', 0x8C}, {U'\u017D', 0x8E}, {U'\u2018', 0x91}, {U'\u2019', 0x92},
    {U'\u201C', 0x93}, {U'\u201D', 0x94}, {U'\u2022', 0x95}, {U'\u2013', 0x96}, {U'\u2014', 0x97},
    {U'\u02DC', 0x98}, {U'\u2122', 0x99}, {U'\u0161', 0x9A}, {U'\u203A', 0x9B}, {U'\u0153', 0x9C},
    {U'\u017E', 0x9E}, {U'\u0178', 0x9F},
}};

// One character of the font's WinAnsi encoding: Latin-1 as it is, the total's rule (em dashes),
// quotes, the euro sign and their kind at their WinAnsi places, anything else "?".
unsigned char WinAnsiCode(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return static_cast<unsigned char>(character);
    }
    for (const WinAnsiExtra& extra : kWinAnsiExtras) {
        if (extra.character == character) {
            return extra.code;
        }
    }
    return '?';
}

// The text in the font's WinAnsi encoding as a PDF string; parentheses and backslashes escaped.
std::string PdfString(std::string_view utf8) {
    std::string out = "(";
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        char32_t character = byte < 0x80 ? byte : 0xFFFD;
        if (length > 1 && i + length <= utf8.size()) {
            character = byte & (0x7Fu >> length);
            for (std::size_t k = 1; k < length; ++k) {
                character = (character << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
            }
        }
        i += length;
        const unsigned char code = WinAnsiCode(character);
        if (code == '(' || code == ')' || code == '\\') {
            out += '\\';
        }
        out += static_cast<char>(code);
    }
    return out + ")";
}

// Characters of a UTF-8 text, for its width.
std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0u) != 0x80u) {
            ++count;
        }
    }
    return count;
}

std::string ColorOperator(Rgb color) {
    return Number(color.red / 255.0) + " " + Number(color.green / 255.0) + " " +
           Number(color.blue / 255.0) + " rg";
}

}  // namespace

void PdfPrinter::SetFontName(const std::string&) {
    // Always Courier: a monospaced standard font keeps the columns of the tape.
}

void PdfPrinter::SetFontSize(float points) {
    fontSize_ = points;
}

TextSize PdfPrinter::MeasureText(std::string_view text) {
    const float characters = static_cast<float>(CharacterCount(text));
    return {characters * kCharWidthEm * StyledSize() * kTwipsPerPoint,
            kLineHeightEm * StyledSize() * kTwipsPerPoint};
}

float PdfPrinter::PageWidth() {
    return (kPageWidthPoints - 2 * kMarginPoints) * kTwipsPerPoint;
}

float PdfPrinter::PageHeight() {
    return (kPageHeightPoints - 2 * kMarginPoints) * kTwipsPerPoint;
}

void PdfPrinter::SetTextColor(Rgb color) {
    color_ = ColorOperator(color);
}

std::string& PdfPrinter::Page() {
    if (pages_.empty()) {
        pages_.emplace_back();
    }
    return pages_.back();
}

void PdfPrinter::DrawText(float x, float top, std::string_view text) {
    const double left = kMarginPoints + x / kTwipsPerPoint;
    // The baseline sits about four fifths of the line down from its top.
    const double baseline = kPageHeightPoints - kMarginPoints - top / kTwipsPerPoint -
                            0.8 * kLineHeightEm * StyledSize();
    Page() += color_ + " BT /F1 " + Number(StyledSize()) + " Tf " + Number(left) + " " +
              Number(baseline) + " Td " + PdfString(text) + " Tj ET\n";
}

void PdfPrinter::DrawGlyph(const GlyphBitmap& glyph, float x, float top, float height) {
    const double pixelWidth = kGlyphTwipsPerPixel / kTwipsPerPoint;
    const double pixelHeight = static_cast<double>(height) / kTwipsPerPoint / glyph.heightPixels;
    std::string& page = Page();
    page += ColorOperator(kGlyphInk) + "\n";
    for (int row = 0; row < glyph.heightPixels; ++row) {
        for (int column = 0; column < glyph.widthPixels; ++column) {
            if (glyph.IsSet(column, row)) {
                const double left = kMarginPoints + x / kTwipsPerPoint + column * pixelWidth;
                const double bottom = kPageHeightPoints - kMarginPoints - top / kTwipsPerPoint -
                                      (row + 1) * pixelHeight;
                page += Number(left) + " " + Number(bottom) + " " + Number(pixelWidth) + " " +
                        Number(pixelHeight) + " re f\n";
            }
        }
    }
}

void PdfPrinter::FillRect(float x, float top, float width, float height, Rgb color) {
    const double left = kMarginPoints + x / kTwipsPerPoint;
    const double bottom = kPageHeightPoints - kMarginPoints - (top + height) / kTwipsPerPoint;
    Page() += ColorOperator(color) + " " + Number(left) + " " + Number(bottom) + " " +
              Number(width / kTwipsPerPoint) + " " + Number(height / kTwipsPerPoint) + " re f\n";
}

void PdfPrinter::NewPage() {
    Page();
    pages_.emplace_back();
}

void PdfPrinter::EndDocument() {
    Page();
    // Objects: 1 catalog, 2 page tree, 3 font, then a page and its contents for each page.
    std::vector<std::size_t> offsets;
    std::string pdf = "%PDF-1.4\n";
    const auto object = [&](const std::string& body) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(offsets.size()) + " 0 obj\n" + body + "\nendobj\n";
    };
    std::string kids;
    for (std::size_t page = 0; page < pages_.size(); ++page) {
        kids += std::to_string(4 + 2 * page) + " 0 R ";
    }
    object("<< /Type /Catalog /Pages 2 0 R >>");
    object("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages_.size()) + " >>");
    object("<< /Type /Font /Subtype /Type1 /BaseFont /Courier /Encoding /WinAnsiEncoding >>");
    for (std::size_t page = 0; page < pages_.size(); ++page) {
        object("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + Number(kPageWidthPoints) + " " +
               Number(kPageHeightPoints) + "] /Resources << /Font << /F1 3 0 R >> >> /Contents " +
               std::to_string(5 + 2 * page) + " 0 R >>");
        object("<< /Length " + std::to_string(pages_[page].size()) + " >>\nstream\n" +
               pages_[page] + "endstream");
    }
    std::string info;
    if (!title_.empty()) {
        object("<< /Title " + HexTextString(title_) + " >>");
        info = " /Info " + std::to_string(offsets.size()) + " 0 R";
    }
    const std::size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(offsets.size() + 1) + "\n0000000000 65535 f \n";
    for (const std::size_t offset : offsets) {
        const std::string digits = std::to_string(offset);
        pdf += std::string(10 - std::min<std::size_t>(digits.size(), 10), '0') + digits +
               " 00000 n \n";
    }
    pdf += "trailer\n<< /Size " + std::to_string(offsets.size() + 1) + " /Root 1 0 R" + info +
           " >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    document_ = std::move(pdf);
}

void PdfPrinter::AbortDocument() noexcept {
    pages_.clear();
    document_.clear();
}

std::string TapeAsPdf(const TapeLines& lines, std::int32_t count, const ExtrasOfLine& extras,
                      std::string_view name) {
    PdfPrinter printer;
    printer.SetTitle(name);
    PrintTape(printer, lines, count, "Courier", extras);
    return printer.Document();
}

}  // namespace reckora
