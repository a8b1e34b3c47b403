// Printing that cannot happen, in Qt message boxes: an empty tape, a printer that fails, a print
// module that cannot be opened.

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <functional>
#include <memory>
#include <tuple>

#include "CalcTape.h"
#include "CodedEntry.h"
#include "MemoryScrollBar.h"
#include "PrintTestSupport.h"
#include "QtPrintService.h"
#include "RecordingSurface.h"

namespace reckora {
namespace {

// Hands out a PDF job that cannot be written, as a printer that refuses the job.
class RefusingPrintService : public QtPrintService {
public:
    explicit RefusingPrintService(QString path)
        : QtPrintService(nullptr, WithoutPrinters()), path_(std::move(path)) {}
    std::unique_ptr<Printer> DefaultPrinter() override { return PdfPrinter(path_); }

private:
    QString path_;
};

// Each print that cannot happen tells why in a box of the program's title (the tape staying as
// it was is PrintTest's).
TEST(PrintFailure, ThePrintThatCannotHappenSaysWhyInABox) {
    struct Case {
        std::function<std::unique_ptr<QtPrintService>()> service;
        int lines;
        QMessageBox::Icon icon;
        QStringList says;
    };
    const QString unwritable = QStringLiteral("/nonexistent-folder/tape.pdf");
    const Case cases[] = {
        {[] { return std::make_unique<QtPrintService>(nullptr, WithoutPrinters()); },
         0,
         QMessageBox::Information,
         {"Nothing to print"}},
        {[&] { return std::make_unique<RefusingPrintService>(unwritable); },
         20,
         QMessageBox::Warning,
         {"could not be printed", unwritable}},
        {[] {
             return std::make_unique<QtPrintService>(
                 nullptr, [] { return OpenPrintModule({QStringLiteral("/nonexistent")}); });
         },
         1,
         QMessageBox::Warning,
         {"Printing is not available"}},
    };
    for (const Case& c : cases) {
        const std::unique_ptr<QtPrintService> printing = c.service();
        RecordingSurface surface;
        MemoryScrollBar bar;
        TapeModel lines;
        CalcTape tape(lines, surface, bar, {}, *printing);
        for (int i = 1; i <= c.lines; ++i) {
            lines.AddLine(CodedEntry(std::to_string(i), 2, true));
        }
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
        QString text;
        AnswerNextModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            std::tie(icon, title, text) = std::tuple(box->icon(), box->windowTitle(), box->text());
            box->button(QMessageBox::Ok)->click();
        });
        EXPECT_NO_THROW(tape.PrintContent());
        EXPECT_EQ(icon, c.icon) << text.toStdString();
        EXPECT_EQ(title, "Reckora Calculator");
        for (const QString& part : c.says) {
            EXPECT_TRUE(text.contains(part)) << text.toStdString();
        }
    }
}

}  // namespace
}  // namespace reckora
