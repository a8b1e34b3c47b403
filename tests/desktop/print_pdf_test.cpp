// The tape printed for real through QPrinter into a PDF file, checked page by page with
// pdftoppm: a tape long enough for two pages gives two pages, each carrying text, mark glyphs
// and the red of negative numbers. (Where notes and originals go on paper is PrintTest's.)

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <string>

#include "CalcTape.h"
#include "CodedEntry.h"
#include "MemoryScrollBar.h"
#include "PrintTestSupport.h"
#include "QtPrintService.h"
#include "RecordingSurface.h"
#include "TapePrint.h"

namespace reckora {
namespace {

TapeLines TapeOf(int lines) {
    TapeLines tape;
    for (int i = 1; i <= lines; ++i) {
        TapeLine line;
        const bool negative = i % 5 == 0;
        line.text = TapeText((negative ? "-" : "") + std::to_string(i) + ".00");
        if (i % 25 == 0) {
            line.mark = TapeMark::Total;
            line.itemCount = 24;
        } else {
            line.mark =
                negative ? TapeMark::Subtract : (i % 3 == 0 ? TapeMark::Multiply : TapeMark::Add);
        }
        line.ink = negative ? Ink::Red : Ink::Dark;
        tape.push_back(line);
    }
    return tape;
}

TEST(PrintPdf, TapeLongerThanAPagePrintsTwoInkedPages) {
    QTemporaryDir folder;
    const QString path = folder.filePath("tape.pdf");
    QtPrintService printing(nullptr, WithoutPrinters());
    auto measuring = printing.PdfPrinter(folder.filePath("measure.pdf"));
    int perPage = 1;
    while (CountPages(*measuring, TapeOf(perPage + 1), perPage + 1, "Courier New") == 1) {
        ++perPage;
    }
    ASSERT_GT(perPage, 40);
    measuring->AbortDocument();

    const TapeLines lines = TapeOf(perPage + perPage / 2);
    PrintTape(*printing.PdfPrinter(path), lines, static_cast<std::int32_t>(lines.size()),
              "Courier New");

    const std::vector<PageInk> pages = InkOfPdfPages(path);
    ASSERT_EQ(pages.size(), 2u) << "pdftoppm could not read " << path.toStdString();
    for (const PageInk& page : pages) {
        EXPECT_GT(page.darkPixels, 500);
        EXPECT_GT(page.bluePixels, 50);
        EXPECT_GT(page.redPixels, 50);
    }
    // The second page holds a third of the lines, so it carries less ink than the first.
    EXPECT_LT(pages[1].darkPixels, pages[0].darkPixels);
}

TEST(PrintPdf, NoPrinterSavesThePdfChosenInTheFileDialog) {
    QTemporaryDir folder;
    const QString path = folder.filePath("saved.pdf");
    RecordingSurface surface;
    MemoryScrollBar bar;
    QtPrintService printing(nullptr, WithoutPrinters());
    TapeModel lines;
    CalcTape tape(lines, surface, bar, {}, printing);
    for (int i = 1; i <= 30; ++i) {
        lines.AddLine(CodedEntry(std::to_string(i) + ".00", 2, true));
    }

    QString question;
    bool dialogShown = false;
    AnswerNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        question = box->text();
        AnswerNextModal([&](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            ASSERT_NE(files, nullptr);
            dialogShown = true;
            // The typed name counts: selectFile alone may lose to the suggested name while the
            // dialog is still reading its folder.
            files->setDirectory(folder.path());
            files->selectFile(path);
            if (auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
                name->setText(path);
            }
            static_cast<QDialog*>(files)->accept();
        });
        box->button(QMessageBox::Save)->click();
    });
    tape.PrintContent();

    EXPECT_TRUE(question.contains("No printer")) << question.toStdString();
    EXPECT_TRUE(dialogShown);
    EXPECT_EQ(InkOfPdfPages(path).size(), 1u);
    EXPECT_EQ(lines.CurrentLine(), 30);
    // Written as Save Tape As writes a PDF: the marks are text, and the page is numbered.
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", path, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(10000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QRegularExpression("\\+ +30\\.00"))) << text.toStdString();
    EXPECT_TRUE(text.contains("1 / 1")) << text.toStdString();
}

}  // namespace
}  // namespace reckora
