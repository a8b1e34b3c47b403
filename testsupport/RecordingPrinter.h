#pragma once
// An in-memory printer and print service for the harness, the tests and the benchmarks: every
// job's operations are kept for inspection after the tape has let go of the printer (or only
// counted, for long benchmarks), and failures can be staged.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "PrintService.h"
#include "RecordingSurface.h"

namespace reckora {

struct PrintOp {
    enum class Kind { FontName, FontSize, Color, Style, Text, Glyph, Fill, NewPage, EndDocument };

    Kind kind = Kind::Text;
    float x = 0;
    float top = 0;
    float width = 0;
    float height = 0;  // also the font size of FontSize and the scale of Style
    Rgb color;
    std::string text;  // also the font name of FontName
    int glyph = -1;

    friend bool operator==(const PrintOp&, const PrintOp&) = default;
};

// What a job was asked to do, counted whether or not its operations are kept.
struct PrintCounts {
    std::int64_t operations = 0;  // every call, measurements included
    std::int64_t drawings = 0;    // texts, glyphs and fills
    std::int64_t textBytes = 0;   // of the drawn texts
};

struct PrintJob {
    std::vector<PrintOp> ops;  // empty when the printer only counts
    PrintCounts counts;
    bool ended = false;
    bool aborted = false;

    // The drawing operations (texts, glyphs and fills) of each page, in order.
    std::vector<std::vector<PrintOp>> Pages() const;
};

class RecordingPrinter : public Printer {
public:
    struct Options {
        FixedFontMetrics font{132, 249, 11};
        float pageWidth = 11520;
        float pageHeight = 15000;
        // The n-th operation (counting from 1, measurements included) throws PrinterFailure.
        int failAtOperation = 0;
        // Lays the tape out as a document file (headed pages, whole notes), not as paper.
        bool document = false;
        // false: only count (for long benchmarks, which would otherwise measure the keeping).
        bool keepOperations = true;
    };

    RecordingPrinter(Options options, std::shared_ptr<PrintJob> job);

    void SetFontName(const std::string& name) override;
    void SetFontSize(float points) override;
    TextSize MeasureText(std::string_view text) override;
    float PageWidth() override;
    float PageHeight() override;
    void SetTextColor(Rgb color) override;
    void DrawText(float x, float top, std::string_view text) override;
    void DrawGlyph(const GlyphBitmap& glyph, float x, float top, float height) override;
    void SetTextStyle(TextStyle style) override;
    void FillRect(float x, float top, float width, float height, Rgb color) override;
    void NewPage() override;
    void EndDocument() override;
    void AbortDocument() noexcept override { job_->aborted = true; }
    bool WritesDocument() const override { return options_.document; }

private:
    void Step();
    void Record(PrintOp op);
    void CountDrawing(std::int64_t textBytes);

    Options options_;
    std::shared_ptr<PrintJob> job_;
    float fontSize_ = 8;  // the tape must choose its size before measuring
    TextStyle style_ = TextStyle::Normal;
    Rgb color_;
    int operations_ = 0;
};

class RecordingPrintService : public PrintService {
public:
    struct Message {
        std::string text;
        std::string title;
    };

    std::unique_ptr<Printer> DefaultPrinter() override;
    void ShowInformation(std::string_view text, std::string_view title) override;
    std::unique_ptr<Printer> PrintFailed(const Failure& failure) override;

    // Messages shown since the last call, texts only (for the harness's dump).
    std::vector<std::string> TakeMessageTexts();

    RecordingPrinter::Options printerOptions;
    bool noPrinter = false;           // DefaultPrinter throws NoPrinter
    bool offerSecondPrinter = false;  // PrintFailed returns a fresh printer (like saving a PDF)
    std::vector<std::shared_ptr<PrintJob>> jobs;
    std::vector<Message> messages;
    std::vector<Failure> failures;

private:
    std::unique_ptr<Printer> NewJob();
};

}  // namespace reckora
