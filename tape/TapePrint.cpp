#include "TapePrint.h"

#include <exception>
#include <limits>
#include <memory>

#include "Failure.h"
#include "LineLayout.h"

namespace reckora {

namespace {

// Lines between two reports of progress: often enough for a moving bar, rarely enough to cost
// nothing.
constexpr std::int32_t ProgressStep = 512;

// One run over the lines: either drawing them, or only finding where the pages break.
struct Run {
    Printer& printer;
    const TapeLines& lines;
    std::int32_t count;
    const PrintExtras& with;
    bool draw;
    std::int32_t pages;  // when drawing: the total, for the page numbers
    std::int64_t progressBase;
    std::int64_t progressTotal;
};

void Report(const Run& run, std::int32_t done) {
    if (!run.with.progress) {
        return;
    }
    // Steps counted in 32 bits even for the longest tape, which a document lays out twice.
    const std::int64_t scale = run.progressTotal / std::numeric_limits<std::int32_t>::max() + 1;
    if (!run.with.progress(static_cast<std::int32_t>((run.progressBase + done) / scale),
                           static_cast<std::int32_t>(run.progressTotal / scale))) {
        throw Failure(FailureKind::Cancelled, "Cancelled");
    }
}

void DrawHeading(const Run& run, std::int32_t page, std::int32_t lineHeight) {
    Printer& printer = run.printer;
    printer.SetTextColor(TapeBlack);
    printer.DrawText(0, static_cast<float>(lineHeight), run.with.title);
    const std::string number = PageNumberText(page, run.pages);
    printer.DrawText(printer.PageWidth() - printer.MeasureText(number).width,
                     static_cast<float>(lineHeight), number);
}

// Lays out lines 1..count; returns the number of pages.
std::int32_t LayOut(const Run& run, const std::string& fontName) {
    Printer& printer = run.printer;
    const bool document = printer.WritesDocument();
    const NoteFit fit = document ? NoteFit::Wrap : NoteFit::Cut;
    printer.SetFontName(fontName);
    printer.SetFontSize(PrintFontSize);
    const TextSize w = printer.MeasureText("W");
    const std::int32_t lineHeight = RoundToInt32(w.height);
    const std::int32_t charWidth = RoundToInt32(w.width);
    const std::int64_t topMargin = 3 * std::int64_t{lineHeight};
    const std::int64_t leftMargin = 5 * std::int64_t{charWidth};
    const std::int64_t pageWidth = RoundToInt32(printer.PageWidth());
    const std::int64_t columnPitch = 26 * std::int64_t{charWidth} + leftMargin;
    const double bottom =
        static_cast<double>(printer.PageHeight()) - static_cast<double>(topMargin);

    LineFrame frame;
    frame.charWidth = charWidth;
    frame.lineHeight = lineHeight;
    frame.rule = RulePlacement::StartsAtLeftMark;
    frame.ink = TapeBlack;

    std::int32_t page = 1;
    if (run.draw && document) {
        DrawHeading(run, page, lineHeight);
    }
    std::int64_t column = 0;
    std::int64_t y = topMargin;
    std::int64_t lastDepth = 0;
    std::string_view pending;
    for (std::int32_t i = 0; i < run.count; ++i) {
        if (i % ProgressStep == 0) {
            Report(run, i);
        }
        const TapeLine& line = run.lines[static_cast<std::size_t>(i)];
        const std::string_view text = line.text.View();
        const LineExtras* extras = run.with.extras ? run.with.extras(i + 1) : nullptr;
        // The step back comes before the break test, so an overdrawn pair never splits.
        if (IsOverdrawn(text, line.mark, pending)) {
            y -= lineHeight + lastDepth;
        }
        frame.rightEdge =
            static_cast<double>(column * columnPitch + leftMargin + 26 * std::int64_t{charWidth});
        const std::int64_t depth =
            document ? RoundHalfEven(NoteDepth(printer, frame, y, line, extras, fit)) : 0;
        if (bottom < static_cast<double>(y + depth)) {
            ++column;
            y = topMargin;
            if ((column + 1) * columnPitch + leftMargin > pageWidth) {
                column = 0;
                ++page;
                if (run.draw) {
                    printer.NewPage();
                    if (document) {
                        DrawHeading(run, page, lineHeight);
                    }
                }
            }
        }
        if (run.draw) {
            const std::int64_t columnLeft = column * columnPitch + leftMargin;
            frame.rightEdge = static_cast<double>(columnLeft + 26 * std::int64_t{charWidth});
            DrawTapeLine(printer, frame, y, line, {extras, false, fit});
        }
        pending = PendingTextAfter(text, line.mark);
        y = NextLineCentre(y, line.mark, lineHeight) + depth;
        lastDepth = depth;
    }
    Report(run, run.count);
    return page;
}

void CheckCount(const TapeLines& lines, std::int32_t count) {
    if (count < 0 || static_cast<std::size_t>(count) > lines.size()) {
        throw Failure(FailureKind::OutOfRange, "The tape does not hold that many lines");
    }
}

}  // namespace

void PrintTape(Printer& printer, const TapeLines& lines, std::int32_t count,
               const std::string& fontName, const PrintExtras& with) {
    CheckCount(lines, count);
    const bool document = printer.WritesDocument();
    // A document's pages are numbered "page / pages", so a first run finds the pages.
    const std::int64_t total = (document ? 2 : 1) * std::int64_t{count};
    std::int32_t pages = 0;
    if (document) {
        pages = LayOut({printer, lines, count, with, false, 0, 0, total}, fontName);
    }
    LayOut({printer, lines, count, with, true, pages, total - count, total}, fontName);
    printer.EndDocument();
}

void PrintTape(Printer& printer, const TapeLines& lines, std::int32_t count,
               const std::string& fontName, const ExtrasOfLine& extras) {
    PrintTape(printer, lines, count, fontName, PrintExtras{extras, {}, {}});
}

std::int32_t CountPages(Printer& printer, const TapeLines& lines, std::int32_t count,
                        const std::string& fontName, const ExtrasOfLine& extras) {
    CheckCount(lines, count);
    const PrintExtras with{extras, {}, {}};
    return LayOut({printer, lines, count, with, false, 0, 0, count}, fontName);
}

std::string PageNumberText(std::int32_t page, std::int32_t pages) {
    return std::to_string(page) + " / " + std::to_string(pages);
}

namespace {

Failure AsPrinterFailure(const std::exception& error) {
    if (const auto* failure = dynamic_cast<const Failure*>(&error)) {
        return *failure;
    }
    return Failure(FailureKind::PrinterFailure, error.what());
}

}  // namespace

void PrintWithFallbacks(PrintService& service, const TapeLines& lines, std::int32_t count,
                        const std::string& fontName, const PrintExtras& with) {
    std::unique_ptr<Printer> printer;
    try {
        printer = service.DefaultPrinter();
        if (!printer) {
            throw Failure(FailureKind::NoPrinter, "No printer is installed");
        }
    } catch (const std::exception& error) {
        printer = service.PrintFailed(AsPrinterFailure(error));
    }
    while (printer) {
        try {
            PrintTape(*printer, lines, count, fontName, with);
            return;
        } catch (const std::exception& error) {
            const Failure failure = AsPrinterFailure(error);
            printer->AbortDocument();
            printer.reset();
            if (failure.Kind() == FailureKind::Cancelled) {
                return;
            }
            printer = service.PrintFailed(failure);
        }
    }
}

}  // namespace reckora
