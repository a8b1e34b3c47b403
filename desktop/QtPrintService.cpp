#include "QtPrintService.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <utility>

#include "PrintModule.h"
#include "QtPrinter.h"
#include "Translations.h"
#include "WorkProgress.h"
#ifdef RECKORA_HAVE_TAPEPDF
#include "PdfFile.h"
#include "TapeFileFormat.h"
#endif

namespace reckora {

namespace {

// Translated when shown: the translators are installed after static initialisation.
QString Title() {
    return UserText(PrintMessageTitle);
}

}  // namespace

QtPrintService::QtPrintService(QWidget* parent, OpenJobs open)
    : parent_(parent), open_(std::move(open)) {}

QtPrintService::OpenJobs QtPrintService::DefaultJobs() {
    return [] { return OpenPrintModule(); };
}

PrintJobs& QtPrintService::Jobs() {
    if (!jobs_) {
        jobs_ = open_();
    }
    return *jobs_;
}

std::unique_ptr<Printer> QtPrintService::DefaultPrinter() {
    QString name;
    std::unique_ptr<PrintJob> job = Jobs().DefaultPrinterJob(name);
    if (name.isEmpty()) {
        throw Failure(FailureKind::NoPrinter, "No printer is installed");
    }
    if (!job) {
        throw Failure(FailureKind::PrinterFailure,
                      ("The printer " + name + " cannot be used").toStdString());
    }
    return std::make_unique<QtPrinter>(std::move(job), name);
}

void QtPrintService::ShowInformation(std::string_view text, std::string_view title) {
    QMessageBox::information(parent_, UserText(title), UserText(text));
}

std::unique_ptr<Printer> QtPrintService::PrintFailed(const Failure& failure) {
    if (failure.Kind() == FailureKind::NoPrinter) {
        return OfferPdf();
    }
    QMessageBox::warning(
        parent_, Title(),
        QCoreApplication::translate("reckora", "The tape could not be printed.\n\n%1.")
            .arg(QString::fromStdString(failure.what())));
    return nullptr;
}

std::unique_ptr<Printer> QtPrintService::OfferPdf() {
    const auto answer = QMessageBox::question(
        parent_, Title(),
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
#ifdef RECKORA_HAVE_TAPEPDF
    // The same writer as Save Tape As: every character in a real text layer.
    return std::make_unique<pdf::PdfFile>(LocalPath(path), std::string());
#else
    return PdfPrinter(path);
#endif
}

PrintProgress QtPrintService::FollowProgress(LongWork work) {
    return ProgressAfterASecond(parent_,
                                work == LongWork::Printing
                                    ? QCoreApplication::translate("reckora", "Printing the tape…")
                                    : QCoreApplication::translate("reckora", "Saving the tape…"));
}

std::unique_ptr<Printer> QtPrintService::PdfPrinter(const QString& path) {
    return std::make_unique<QtPrinter>(Jobs().PdfJob(path), path);
}

}  // namespace reckora
