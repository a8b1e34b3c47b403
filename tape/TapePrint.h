#pragma once
// The tape on paper: the lines in force laid out like the screen tape, in columns across the
// page, a new page when no further column fits. Run once per print; nothing outlives the run.

#include <cstdint>
#include <functional>
#include <string>

#include "LineLayout.h"
#include "PrintService.h"
#include "Printer.h"
#include "TapeLine.h"

namespace reckora {

inline constexpr float PrintFontSize = 11;

// What a print may carry beyond the lines: the title a document's pages are headed with (the
// tape's name or date), and who follows its progress.
struct PrintExtras {
    ExtrasOfLine extras;
    std::string title;
    PrintProgress progress;
};

// Prints lines 1..count of `lines` with their extras (notes, corrections; never the selection)
// and ends the document. On a printer that writes a document, every page is headed with the
// title and "page / pages", and a note that does not fit beside its line goes on under it. Throws
// Failure on a printer failure, Cancelled when the progress stops it, and OutOfRange if `lines`
// holds fewer than `count` lines (before anything is printed).
void PrintTape(Printer& printer, const TapeLines& lines, std::int32_t count,
               const std::string& fontName, const PrintExtras& with = {});
void PrintTape(Printer& printer, const TapeLines& lines, std::int32_t count,
               const std::string& fontName, const ExtrasOfLine& extras);

// The number of pages PrintTape gives on this printer; nothing is drawn.
std::int32_t CountPages(Printer& printer, const TapeLines& lines, std::int32_t count,
                        const std::string& fontName, const ExtrasOfLine& extras = {});

// "page / pages", as a document's page is numbered.
std::string PageNumberText(std::int32_t page, std::int32_t pages);

// Prints on the default printer; when that fails, tells the service and prints on the printer it
// offers instead, if any, until a print succeeds or none is offered. Throws only if the service
// itself throws.
void PrintWithFallbacks(PrintService& service, const TapeLines& lines, std::int32_t count,
                        const std::string& fontName, const PrintExtras& with = {});

}  // namespace reckora
