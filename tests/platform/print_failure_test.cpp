// Printing that cannot happen: an empty tape, no printer installed, a printer that fails. The
// user reads why, and the calculator and the tape stay exactly as they were.

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include "CalcTape.h"
#include "CalculatorFixture.h"
#include "CodedEntry.h"
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
};

TEST_F(HeadlessTape, EmptyTapeSaysNothingToPrintInAnInformationBox) {
    QtPrintService printing(nullptr, [] { return QPrinterInfo(); });
    CalcTape tape(surface, bar, {}, printing);
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
    CalcTape tape(surface, bar, {}, printing);
    for (int i = 1; i <= 20; ++i) {
        tape.AddLine(CodedEntry(std::to_string(i), 2, true));
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
    CalculatorAppOptions options;
    options.printing = [](QWidget* window) {
        return std::make_unique<QtPrintService>(window, [] { return QPrinterInfo(); });
    };
    const auto calculator = StartCalculator(15, options);

    Calculator& engine = calculator->Core().Engine();
    for (Key key : {Key::Digit1, Key::Digit2, Key::Add, Key::Digit3, Key::Add, Key::Digit4}) {
        engine.Press(key);
        engine.OnBlinkTimeout();
    }
    const EngineState before = engine.State();
    const std::int32_t lines = calculator->Core().Tape().CurrentLine();
    ASSERT_EQ(lines, 2);

    SeenBox seen;
    AnswerBox(seen, QMessageBox::Cancel);
    engine.Press(Key::PrintTape);

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
    EXPECT_EQ(calculator->Core().Tape().CurrentLine(), lines);
}

}  // namespace
}  // namespace reckora
