#pragma once
// Helpers for the printing tests: the print module of this build with the system's printers
// left out, answering the next modal box or dialog from inside its event loop, and looking at a
// PDF file through poppler's pdftoppm.

#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "PrintModule.h"
#include "QtPrintService.h"

namespace reckora {

// The jobs of the print module built beside the program, on a machine without printers.
class NoPrinterJobs : public PrintJobs {
public:
    std::unique_ptr<PrintJob> DefaultPrinterJob(QString& printerName) override {
        printerName.clear();
        return nullptr;
    }
    std::unique_ptr<PrintJob> PdfJob(const QString& path) override { return module_->PdfJob(path); }

private:
    std::unique_ptr<PrintJobs> module_ = OpenPrintModule({RECKORA_PRINT_MODULE_BUILT_IN});
};

inline QtPrintService::OpenJobs WithoutPrinters() {
    return [] { return std::make_unique<NoPrinterJobs>(); };
}

// Runs `answer` on the next modal widget once it is shown (giving up after five seconds).
inline void AnswerNextModal(std::function<void(QWidget*)> answer, int attempts = 500) {
    QTimer::singleShot(10, [answer = std::move(answer), attempts]() mutable {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            answer(modal);
        } else if (attempts > 0) {
            AnswerNextModal(std::move(answer), attempts - 1);
        }
    });
}

// What a PDF page shows, from pdftoppm at 72 dpi.
struct PageInk {
    int darkPixels = 0;  // text and rules
    int bluePixels = 0;  // mark glyphs
    int redPixels = 0;   // negative numbers
};

// One entry per page; empty when pdftoppm is missing or fails.
inline std::vector<PageInk> InkOfPdfPages(const QString& pdf) {
    QTemporaryDir images;
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-r"), QStringLiteral("72"), pdf, images.filePath("page")});
    if (!pdftoppm.waitForFinished(30000) || pdftoppm.exitCode() != 0) {
        return {};
    }
    std::vector<PageInk> pages;
    for (int page = 1;; ++page) {
        QImage image(images.filePath(QStringLiteral("page-%1.ppm").arg(page)));
        if (image.isNull()) {
            image.load(images.filePath(QStringLiteral("page-%1.ppm").arg(page, 2, 10, QChar('0'))));
        }
        if (image.isNull()) {
            break;
        }
        PageInk ink;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                const int r = c.red();
                const int g = c.green();
                const int b = c.blue();
                if (r < 100 && g < 100 && b < 100) {
                    ++ink.darkPixels;
                } else if (b > 180 && r < 120 && g < 120) {
                    ++ink.bluePixels;
                } else if (r > 180 && g < 120 && b < 120) {
                    ++ink.redPixels;
                }
            }
        }
        pages.push_back(ink);
    }
    return pages;
}

}  // namespace reckora
