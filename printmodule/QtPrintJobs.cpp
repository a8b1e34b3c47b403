// The print module: print jobs made with Qt Print Support (QPrinter, QPrinterInfo), opened by
// the program at the first print. See desktop/PrintJobs.h.

#include <QPrinter>
#include <QPrinterInfo>
#include <QtGlobal>

#include "PrintJobs.h"

namespace reckora {
namespace {

class QtPrintJob final : public PrintJob {
public:
    explicit QtPrintJob(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {
        printer_->setDocName(QStringLiteral("Tape"));
    }

    QPagedPaintDevice& Pages() override { return *printer_; }
    int Resolution() const override { return printer_->resolution(); }
    bool Failed() const override { return printer_->printerState() == QPrinter::Error; }
    void Abort() override { printer_->abort(); }

private:
    std::unique_ptr<QPrinter> printer_;
};

class QtPrintJobs final : public PrintJobs {
public:
    std::unique_ptr<PrintJob> DefaultPrinterJob(QString& printerName) override {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        printerName = info.isNull() ? QString() : info.printerName();
        if (info.isNull()) {
            return nullptr;
        }
        auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        if (!printer->isValid()) {
            return nullptr;
        }
        return std::make_unique<QtPrintJob>(std::move(printer));
    }

    std::unique_ptr<PrintJob> PdfJob(const QString& path) override {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        return std::make_unique<QtPrintJob>(std::move(printer));
    }
};

}  // namespace
}  // namespace reckora

extern "C" Q_DECL_EXPORT reckora::PrintJobs* reckora_make_print_jobs() {
    return new reckora::QtPrintJobs();
}
