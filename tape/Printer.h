#pragma once
// One print job on a printer, addressed as one drawing surface that spans the document, in
// twips. The first drawing operation begins the first page. Every operation may throw
// reckora::Failure (kind PrinterFailure, or NoPrinter); after a failure the tape calls
// AbortDocument and drops the printer.

#include <string>

#include "TextCanvas.h"

namespace reckora {

class Printer : public TextCanvas {
public:
    // Font of the following texts and measurements.
    virtual void SetFontName(const std::string& name) = 0;
    virtual void SetFontSize(float points) = 0;
    // Size of the page's drawing area in twips.
    virtual float PageWidth() = 0;
    virtual float PageHeight() = 0;
    // Finishes the current page and starts an empty one.
    virtual void NewPage() = 0;
    // Finishes the last page and hands the document to the printer.
    virtual void EndDocument() = 0;
    // Throws the unfinished document away; must not throw.
    virtual void AbortDocument() noexcept = 0;
    // A document file to be read on screen or searched rather than paper: each page is headed
    // with the tape's title and its page number, and notes are printed whole.
    virtual bool WritesDocument() const { return false; }
};

}  // namespace reckora
