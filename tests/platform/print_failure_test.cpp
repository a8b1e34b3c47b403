// Printing that cannot happen, in Qt message boxes: an empty tape, a printer that fails. The user
// reads why, and the tape stays exactly as it was.

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>

#include "CalcTape.h"
#include "CodedEntry.h"
#include "MemoryScrollBar.h"
#include "PrintTestSupport.h"
#include "QtPrintService.h"
#include "RecordingSurface.h"

namespace reckora {
namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool shown = false;
};

// Answers the next message box with `button` and tells what it showed.
void AnswerBox(SeenBox& seen, QMessageBox::StandardButton button) {
    AnswerNextModal([&seen, button](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) {
            modal->close();
            return;
        }
        seen = {box->windowTitle(), box->text(), box->icon(), true};
        box->button(button)->click();
    });
}

class HeadlessTape : public ::testing::Test {
protected:
    RecordingSurface surface;
    MemoryScrollBar bar;
};

TEST_F(HeadlessTape, EmptyTapeSaysNothingToPrintInAnInformationBox) {
    QtPrintService printing(nullptr, WithoutPrinters());
    CalcTape tape(surface, bar, {}, printing);
    SeenBox seen;
    AnswerBox(seen, QMessageBox::Ok);
    tape.PrintContent();
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.text, "Nothing to print");
    EXPECT_EQ(seen.title, "Reckora Calculator");
    EXPECT_EQ(seen.icon, QMessageBox::Information);
}

// Hands out a PDF job that cannot be written, as a printer that refuses the job.
class RefusingPrintService : public QtPrintService {
public:
    explicit RefusingPrintService(QString path)
        : QtPrintService(nullptr, WithoutPrinters()), path_(std::move(path)) {}
    std::unique_ptr<Printer> DefaultPrinter() override { return PdfPrinter(path_); }

private:
    QString path_;
};

TEST_F(HeadlessTape, FailingPrinterIsNamedInAWarningAndTheTapeStaysAsItWas) {
    const QString path = QStringLiteral("/nonexistent-folder/tape.pdf");
    RefusingPrintService printing(path);
    CalcTape tape(surface, bar, {}, printing);
    for (int i = 1; i <= 20; ++i) {
        tape.AddLine(CodedEntry(std::to_string(i), 2, true));
    }
    const std::vector<DrawOp> picture = surface.Picture();
    SeenBox seen;
    AnswerBox(seen, QMessageBox::Ok);
    EXPECT_NO_THROW(tape.PrintContent());
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, "Reckora Calculator");
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_TRUE(seen.text.contains("could not be printed")) << seen.text.toStdString();
    EXPECT_TRUE(seen.text.contains(path)) << seen.text.toStdString();
    EXPECT_EQ(tape.CurrentLine(), 20);
    EXPECT_EQ(surface.Picture(), picture);
}

TEST_F(HeadlessTape, PrintModuleThatCannotBeOpenedIsReportedAsPrintingNotAvailable) {
    QtPrintService printing(nullptr,
                            [] { return OpenPrintModule({QStringLiteral("/nonexistent")}); });
    CalcTape tape(surface, bar, {}, printing);
    tape.AddLine(CodedEntry("1", 2, true));
    SeenBox seen;
    AnswerBox(seen, QMessageBox::Ok);
    EXPECT_NO_THROW(tape.PrintContent());
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_TRUE(seen.text.contains("Printing is not available")) << seen.text.toStdString();
}

}  // namespace
}  // namespace reckora
