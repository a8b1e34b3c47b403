#pragma once
// What the print module offers the program: the pages of a print job on the system's default
// printer or in a PDF file. Only the module links Qt Print Support, so the program loads it at
// the first print instead of at every start; the program paints the pages through QtGui alone.

#include <QPagedPaintDevice>
#include <QString>
#include <memory>

namespace reckora {

// The pages of one job. Painting on Pages() starts the job; ending the painter ends it.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    virtual QPagedPaintDevice& Pages() = 0;
    // Dots per inch of the pages.
    virtual int Resolution() const = 0;
    // The printer reported an error for the job.
    virtual bool Failed() const = 0;
    virtual void Abort() = 0;
};

class PrintJobs {
public:
    virtual ~PrintJobs() = default;
    // A job on the system's default printer. `printerName` is set to that printer's name, or
    // left empty when no printer is installed; nullptr when there is none or it cannot be used.
    virtual std::unique_ptr<PrintJob> DefaultPrinterJob(QString& printerName) = 0;
    // A job writing a PDF file at `path`.
    virtual std::unique_ptr<PrintJob> PdfJob(const QString& path) = 0;
};

// The module's one exported function: a new PrintJobs the caller owns.
using MakePrintJobsFunction = PrintJobs* (*)();
inline constexpr char MakePrintJobsSymbol[] = "reckora_make_print_jobs";

}  // namespace reckora
