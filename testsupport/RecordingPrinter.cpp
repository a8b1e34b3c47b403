#include "RecordingPrinter.h"

#include <utility>

namespace reckora {

std::vector<std::vector<PrintOp>> PrintJob::Pages() const {
    std::vector<std::vector<PrintOp>> pages(1);
    for (const PrintOp& op : ops) {
        if (op.kind == PrintOp::Kind::NewPage) {
            pages.emplace_back();
        } else if (op.kind == PrintOp::Kind::Text || op.kind == PrintOp::Kind::Glyph ||
                   op.kind == PrintOp::Kind::Fill) {
            pages.back().push_back(op);
        }
    }
    return pages;
}

RecordingPrinter::RecordingPrinter(Options options, std::shared_ptr<PrintJob> job)
    : options_(options), job_(std::move(job)) {}

void RecordingPrinter::Step() {
    ++operations_;
    ++job_->counts.operations;
    if (operations_ == options_.failAtOperation) {
        throw Failure(FailureKind::PrinterFailure, "The printer refused the job");
    }
}

void RecordingPrinter::Record(PrintOp op) {
    if (options_.keepOperations) {
        job_->ops.push_back(std::move(op));
    }
}

void RecordingPrinter::CountDrawing(std::int64_t textBytes) {
    ++job_->counts.drawings;
    job_->counts.textBytes += textBytes;
}

void RecordingPrinter::SetFontName(const std::string& name) {
    Step();
    PrintOp op;
    op.kind = PrintOp::Kind::FontName;
    op.text = name;
    Record(std::move(op));
}

void RecordingPrinter::SetFontSize(float points) {
    Step();
    fontSize_ = points;
    PrintOp op;
    op.kind = PrintOp::Kind::FontSize;
    op.height = points;
    Record(std::move(op));
}

TextSize RecordingPrinter::MeasureText(std::string_view text) {
    Step();
    return options_.font.Measure(text, fontSize_ * TextScale(style_));
}

float RecordingPrinter::PageWidth() {
    Step();
    return options_.pageWidth;
}

float RecordingPrinter::PageHeight() {
    Step();
    return options_.pageHeight;
}

void RecordingPrinter::SetTextColor(Rgb color) {
    Step();
    color_ = color;
    PrintOp op;
    op.kind = PrintOp::Kind::Color;
    op.color = color;
    Record(std::move(op));
}

void RecordingPrinter::DrawText(float x, float top, std::string_view text) {
    Step();
    CountDrawing(static_cast<std::int64_t>(text.size()));
    if (options_.keepOperations) {
        const TextSize size = options_.font.Measure(text, fontSize_ * TextScale(style_));
        Record({PrintOp::Kind::Text, x, top, size.width, size.height, color_, std::string(text)});
    }
}

void RecordingPrinter::DrawGlyph(const GlyphBitmap& glyph, float x, float top, float height) {
    Step();
    CountDrawing(0);
    const float width = static_cast<float>(glyph.widthPixels * GlyphTwipsPerPixel);
    Record({PrintOp::Kind::Glyph, x, top, width, height, GlyphInk, {}, glyph.code});
}

void RecordingPrinter::SetTextStyle(TextStyle style) {
    Step();
    style_ = style;
    PrintOp op;
    op.kind = PrintOp::Kind::Style;
    op.height = TextScale(style);
    Record(std::move(op));
}

void RecordingPrinter::FillRect(float x, float top, float width, float height, Rgb color) {
    Step();
    CountDrawing(0);
    Record({PrintOp::Kind::Fill, x, top, width, height, color, {}});
}

void RecordingPrinter::NewPage() {
    Step();
    PrintOp op;
    op.kind = PrintOp::Kind::NewPage;
    Record(std::move(op));
}

void RecordingPrinter::EndDocument() {
    Step();
    PrintOp op;
    op.kind = PrintOp::Kind::EndDocument;
    Record(std::move(op));
    job_->ended = true;
}

std::unique_ptr<Printer> RecordingPrintService::NewJob() {
    jobs.push_back(std::make_shared<PrintJob>());
    return std::make_unique<RecordingPrinter>(printerOptions, jobs.back());
}

std::unique_ptr<Printer> RecordingPrintService::DefaultPrinter() {
    if (noPrinter) {
        throw Failure(FailureKind::NoPrinter, "No printer is installed");
    }
    return NewJob();
}

void RecordingPrintService::ShowInformation(std::string_view text, std::string_view title) {
    messages.push_back({std::string(text), std::string(title)});
}

std::unique_ptr<Printer> RecordingPrintService::PrintFailed(const Failure& failure) {
    failures.push_back(failure);
    messages.push_back({failure.what(), std::string(PrintMessageTitle)});
    if (!offerSecondPrinter) {
        return nullptr;
    }
    offerSecondPrinter = false;
    printerOptions.failAtOperation = 0;
    return NewJob();
}

std::vector<std::string> RecordingPrintService::TakeMessageTexts() {
    std::vector<std::string> texts;
    for (Message& message : messages) {
        texts.push_back(std::move(message.text));
    }
    messages.clear();
    return texts;
}

}  // namespace reckora
