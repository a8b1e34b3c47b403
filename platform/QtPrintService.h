#pragma once
// Printing for the tape on this desktop: a job on the system's default printer (CUPS on Linux)
// for each print, and the messages about it. When no printer is installed, the user is offered
// to save the tape as a PDF file instead, printed exactly as on paper; any other failure is
// shown with its cause. All boxes are modal over the main window.

#include <QPointer>
#include <QPrinterInfo>
#include <QWidget>
#include <functional>

#include "PrintService.h"

namespace reckora {

class QtPrintService : public PrintService {
public:
    using PrinterLookup = std::function<QPrinterInfo()>;

    // `lookup` finds the default printer; the system's by default (tests give none).
    explicit QtPrintService(QWidget* parent, PrinterLookup lookup = &QPrinterInfo::defaultPrinter);

    std::unique_ptr<Printer> DefaultPrinter() override;
    void ShowInformation(std::string_view text, std::string_view title) override;
    std::unique_ptr<Printer> PrintFailed(const Failure& failure) override;

    // A job writing a PDF file at `path`.
    static std::unique_ptr<Printer> PdfPrinter(const QString& path);

private:
    std::unique_ptr<Printer> OfferPdf();

    QPointer<QWidget> parent_;
    PrinterLookup lookup_;
};

}  // namespace reckora
