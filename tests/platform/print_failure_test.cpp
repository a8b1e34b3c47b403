// Printing that cannot happen: an empty tape, no printer installed, a printer that fails. The
// user reads why, and the calculator and the tape stay exactly as they were.

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include "CalcTape.h"
#include "CalculatorFixture.h"
#include "CountingFocus.h"
#include "KeyCommand.h"
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
    CountingFocus focus;
};

TEST_F(HeadlessTape, EmptyTapeSaysNothingToPrintInAnInformationBox) {
    QtPrintService printing(nullptr, [] { return QPrinterInfo(); });
    CalcTape tape(surface, bar, focus, printing);
    SeenBox seen;
    AnswerBox(seen, QMessageBox::Ok);
    tape.PrintContent();
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.text, "Nothing to print");
    EXPECT_EQ(seen.title, "Tallomat");
    EXPECT_EQ(seen.icon, QMessageBox::Information);
}

// Hands out a PDF job that cannot be written, as a printer that refuses the job.
class RefusingPrintService : public QtPrintService {
public:
    explicit RefusingPrintService(QString path) : QtPrintService(nullptr), path_(std::move(path)) {}
    std::unique_ptr<Printer> DefaultPrinter() override { return PdfPrinter(path_); }

private:
    QString path_;
};

TEST_F(HeadlessTape, FailingPrinterIsNamedInAWarningAndTheTapeStaysAsItWas) {
    const QString path = QStringLiteral("/nonexistent-folder/tape.pdf");
    RefusingPrintService printing(path);
    CalcTape tape(surface, bar, focus, printing);
    for (int i = 1; i <= 20; ++i) {
        tape.AddDataLine(std::to_string(i), 2, true);
    }
    const std::vector<DrawOp> picture = surface.Picture();
    SeenBox seen;
    AnswerBox(seen, QMessageBox::Ok);
    EXPECT_NO_THROW(tape.PrintContent());
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, "Tallomat");
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_TRUE(seen.text.contains("could not be printed")) << seen.text.toStdString();
    EXPECT_TRUE(seen.text.contains(path)) << seen.text.toStdString();
    EXPECT_EQ(tape.CurrentLine(), 20);
    EXPECT_EQ(surface.Picture(), picture);
}

TEST(PrintFromTheWindow, NoPrinterAsksAboutAPdfAndCancelChangesNothing) {
    CalculatorWindowOptions options;
    options.twipsPerPixel = 15;
    options.locale = NumberLocale{".", ","};
    options.printing = [](QWidget* window) {
        return std::make_unique<QtPrintService>(window, [] { return QPrinterInfo(); });
    };
    CalculatorWindow calculator(options);
    calculator.Start();
    calculator.Window().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&calculator.Window()));

    Calculator& engine = calculator.Engine();
    for (int key : {1, 2, KeyCommand::Add, 3, KeyCommand::Add, 4}) {
        engine.theButton_Click(key);
        engine.Timer1_Timer();
    }
    const EngineState before = engine.State();
    const std::int32_t lines = calculator.Tape().CurrentLine();
    ASSERT_EQ(lines, 2);

    SeenBox seen;
    AnswerBox(seen, QMessageBox::Cancel);
    engine.theButton_Click(KeyCommand::PrintTape);

    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, "Tallomat");
    EXPECT_TRUE(seen.text.contains("No printer is installed")) << seen.text.toStdString();
    EXPECT_TRUE(seen.text.contains("PDF")) << seen.text.toStdString();
    const EngineState& after = engine.State();
    EXPECT_EQ(after.EntryText, before.EntryText);
    EXPECT_EQ(after.RunningTotal, before.RunningTotal);
    EXPECT_EQ(after.ItemCount, before.ItemCount);
    EXPECT_EQ(after.ErrorState, before.ErrorState);
    EXPECT_EQ(after.UndoAvailable, before.UndoAvailable);
    EXPECT_EQ(calculator.Tape().CurrentLine(), lines);
}

}  // namespace
}  // namespace reckora
