#pragma once
// The tape on paper: the lines in force laid out like the screen tape, in columns across the
// page, a new page when no further column fits. Run once per print; nothing outlives the run.

#include <cstdint>
#include <string>

#include "LineLayout.h"
#include "PrintService.h"
#include "Printer.h"
#include "TapeLine.h"

namespace reckora {

inline constexpr float kPrintFontSize = 11;

// Prints lines 1..count of `lines` with their extras (notes, corrections; never the selection)
// and ends the document. Throws Failure on a printer failure, and OutOfRange if `lines` holds
// fewer than `count` lines (before anything is printed).
void PrintTape(Printer& printer, const TapeLines& lines, std::int32_t count,
               const std::string& fontName, const ExtrasOfLine& extras = {});

// Prints on the default printer; when that fails, tells the service and prints on the printer it
// offers instead, if any, until a print succeeds or none is offered. Throws only if the service
// itself throws.
void PrintWithFallbacks(PrintService& service, const TapeLines& lines, std::int32_t count,
                        const std::string& fontName, const ExtrasOfLine& extras = {});

}  // namespace reckora
