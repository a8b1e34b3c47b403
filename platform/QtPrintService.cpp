#include "QtPrintService.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <utility>

#include "QtPrinter.h"
#include "Translations.h"

namespace reckora {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const QString kTitle = FromUtf8(kPrintMessageTitle);

}  // namespace

QtPrintService::QtPrintService(QWidget* parent, PrinterLookup lookup)
    : parent_(parent), lookup_(std::move(lookup)) {}

std::unique_ptr<Printer> QtPrintService::DefaultPrinter() {
    const QPrinterInfo info = lookup_ ? lookup_() : QPrinterInfo();
    if (info.isNull()) {
        throw Failure(FailureKind::NoPrinter, "No printer is installed");
    }
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!printer->isValid()) {
        throw Failure(FailureKind::PrinterFailure,
                      ("The printer " + info.printerName() + " cannot be used").toStdString());
    }
    printer->setDocName(QStringLiteral("Tape"));
    return std::make_unique<QtPrinter>(std::move(printer), info.printerName());
}

void QtPrintService::ShowInformation(std::string_view text, std::string_view title) {
    QMessageBox::information(parent_, FromUtf8(title), UserText(text));
}

std::unique_ptr<Printer> QtPrintService::PrintFailed(const Failure& failure) {
    if (failure.Kind() == FailureKind::NoPrinter) {
        return OfferPdf();
    }
    QMessageBox::warning(
        parent_, kTitle,
        QCoreApplication::translate("reckora", "The tape could not be printed.\n\n%1.")
            .arg(QString::fromStdString(failure.what())));
    return nullptr;
}

std::unique_ptr<Printer> QtPrintService::OfferPdf() {
    const auto answer = QMessageBox::question(
        parent_, kTitle,
        QCoreApplication::translate("reckora",
                                    "No printer is installed, so the tape cannot be printed.\n\n"
                                    "Save the tape as a PDF file instead?"),
        QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Save);
    if (answer != QMessageBox::Save) {
        return nullptr;
    }
    QString path = QFileDialog::getSaveFileName(
        parent_, QCoreApplication::translate("reckora", "Save Tape as PDF"),
        QDir::home().filePath(QStringLiteral("Tape.pdf")),
        QCoreApplication::translate("reckora", "PDF files (*.pdf)"));
    if (path.isEmpty()) {
        return nullptr;
    }
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".pdf");
    }
    return PdfPrinter(path);
}

std::unique_ptr<Printer> QtPrintService::PdfPrinter(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setDocName(QStringLiteral("Tape"));
    return std::make_unique<QtPrinter>(std::move(printer), path);
}

}  // namespace reckora
