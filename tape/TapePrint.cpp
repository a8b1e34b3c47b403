#include "TapePrint.h"

#include <exception>
#include <memory>

#include "Failure.h"
#include "LineLayout.h"

namespace reckora {

void PrintTape(Printer& printer, const TapeLines& lines, std::int32_t count,
               const std::string& fontName, const ExtrasOfLine& extras) {
    if (count < 0 || static_cast<std::size_t>(count) > lines.size()) {
        throw Failure(FailureKind::OutOfRange, "The tape does not hold that many lines");
    }
    printer.SetFontName(fontName);
    printer.SetFontSize(kPrintFontSize);
    const TextSize w = printer.MeasureText("W");
    const std::int32_t lineHeight = RoundToInt32(w.height);
    const std::int32_t charWidth = RoundToInt32(w.width);
    const std::int64_t topMargin = 3 * std::int64_t{lineHeight};
    const std::int64_t leftMargin = 5 * std::int64_t{charWidth};
    const std::int64_t pageWidth = RoundToInt32(printer.PageWidth());
    const std::int64_t columnPitch = 26 * std::int64_t{charWidth} + leftMargin;

    LineFrame frame;
    frame.charWidth = charWidth;
    frame.lineHeight = lineHeight;
    frame.rule = RulePlacement::StartsAtLeftMark;
    frame.ink = kTapeBlack;

    std::int64_t column = 0;
    std::int64_t y = topMargin;
    std::string_view pending;
    for (std::int32_t i = 0; i < count; ++i) {
        const TapeLine& line = lines[static_cast<std::size_t>(i)];
        const std::string_view text = line.text.View();
        // The step back comes before the break test, so an overdrawn pair never splits.
        if (IsOverdrawn(text, line.mark, pending)) {
            y -= lineHeight;
        }
        if (static_cast<double>(printer.PageHeight()) - static_cast<double>(topMargin) <
            static_cast<double>(y)) {
            ++column;
            y = topMargin;
            if ((column + 1) * columnPitch + leftMargin > pageWidth) {
                column = 0;
                printer.NewPage();
            }
        }
        const std::int64_t columnLeft = column * columnPitch + leftMargin;
        frame.rightEdge = static_cast<double>(columnLeft + 26 * std::int64_t{charWidth});
        DrawTapeLine(printer, frame, y, line, {extras ? extras(i + 1) : nullptr, false});
        pending = PendingTextAfter(text, line.mark);
        y = NextLineCentre(y, line.mark, lineHeight);
    }
    printer.EndDocument();
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
                        const std::string& fontName, const ExtrasOfLine& extras) {
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
            PrintTape(*printer, lines, count, fontName, extras);
            return;
        } catch (const std::exception& error) {
            const Failure failure = AsPrinterFailure(error);
            printer->AbortDocument();
            printer.reset();
            printer = service.PrintFailed(failure);
        }
    }
}

}  // namespace reckora
