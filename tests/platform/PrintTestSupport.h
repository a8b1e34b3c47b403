#pragma once
// Helpers for the printing tests: answering the next modal box or dialog from inside its event
// loop, and looking at a PDF file through poppler's pdftoppm.

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

namespace reckora {

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
        QFile file(images.filePath(QStringLiteral("page-%1.ppm").arg(page)));
        if (!file.exists()) {
            file.setFileName(
                images.filePath(QStringLiteral("page-%1.ppm").arg(page, 2, 10, QChar('0'))));
        }
        if (!file.open(QIODevice::ReadOnly)) {
            break;
        }
        const QByteArray data = file.readAll();
        // P6 header: magic, width, height, maximum, each followed by one whitespace.
        const QList<QByteArray> header = data.left(64).simplified().split(' ');
        if (header.size() < 4 || header[0] != "P6") {
            break;
        }
        int fields = 0;
        qsizetype offset = 0;
        while (fields < 4 && offset < data.size()) {
            while (offset < data.size() && QChar(data[offset]).isSpace()) {
                ++offset;
            }
            while (offset < data.size() && !QChar(data[offset]).isSpace()) {
                ++offset;
            }
            ++fields;
        }
        ++offset;
        PageInk ink;
        for (qsizetype i = offset; i + 2 < data.size(); i += 3) {
            const int r = static_cast<unsigned char>(data[i]);
            const int g = static_cast<unsigned char>(data[i + 1]);
            const int b = static_cast<unsigned char>(data[i + 2]);
            if (r < 100 && g < 100 && b < 100) {
                ++ink.darkPixels;
            } else if (b > 180 && r < 120 && g < 120) {
                ++ink.bluePixels;
            } else if (r > 180 && g < 120 && b < 120) {
                ++ink.redPixels;
            }
        }
        pages.push_back(ink);
    }
    return pages;
}

}  // namespace reckora
