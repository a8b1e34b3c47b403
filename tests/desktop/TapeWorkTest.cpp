// The tape worked with the mouse, the find window, the dialogs and a screen reader, under the
// offscreen platform. What a correction, a note or a find does to the calculator is covered by
// the golden key scripts; here only that the Qt side reaches it and shows it.

#include <QAccessible>
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

#include "CalculatorFixture.h"
#include "FindDialog.h"
#include "KeyCommand.h"
#include "TapeDialogs.h"
#include "TapeInteraction.h"

namespace reckora {
namespace {

void Type(CalculatorCore& core, std::initializer_list<Key> keys) {
    for (Key key : keys) {
        core.Window().ClickKey(KeyNumber(key));
    }
}

// The centre of a line on the tape control, in pixels at 15 twips per pixel.
QPoint LinePoint(CalculatorApp& calculator, std::int32_t line) {
    const CalcTape& tape = calculator.Core().Tape();
    const auto y = (tape.Centre(line) - tape.ScrollTop()) / 15;
    return {calculator.Window().Tape().width() / 2, static_cast<int>(y)};
}

bool Shows(const TapeWidget& tape, Rgb colour) {
    return ColumnsOf(tape.Picture().toImage(), QColor(colour.red, colour.green, colour.blue))
               .second >= 0;
}

// 12 + 30 + total: lines 1 and 2 are entries, line 3 the total.
std::unique_ptr<CalculatorApp> StartWithColumn() {
    auto calculator = StartCalculator(15);
    Type(calculator->Core(),
         {Key::Digit1, Key::Digit2, Key::Add, Key::Digit3, Key::Digit0, Key::Add, Key::Total});
    return calculator;
}

// A click selects and paints the band; a correction paints the original and the change mark.
// (The double click into Correct Entry is proved by the real-client test.)
TEST(TapeWork, ClickSelectsALineAndACorrectionIsPainted) {
    auto calculator = StartWithColumn();
    TapeWidget& tape = calculator->Window().Tape();
    EXPECT_FALSE(Shows(tape, SelectionBand));
    QTest::mouseClick(&tape, Qt::LeftButton, {}, LinePoint(*calculator, 1));
    EXPECT_EQ(calculator->Core().TapeWork().SelectedLine(), 1);
    EXPECT_TRUE(Shows(tape, SelectionBand));
    // The Edit menu offers Correct Entry and Note for the selected line when it opens.
    MainWindow& window = calculator->Window();
    emit window.findChild<QMenu*>("m_Edit")->aboutToShow();
    EXPECT_TRUE(window.MenuEntry(MenuId::CorrectEntry)->isEnabled());
    EXPECT_TRUE(window.MenuEntry(MenuId::Note)->isEnabled());

    calculator->Core().TapeWork().CorrectEntry(1, "20");
    EXPECT_TRUE(Shows(tape, OriginalInk));
    // The change mark is a thin character: any pixel of its orange, smoothed into the paper.
    const QImage paper = tape.Picture().toImage();
    bool orange = false;
    for (int y = 0; y < paper.height() && !orange; ++y) {
        for (int x = 0; x < paper.width() && !orange; ++x) {
            const QColor c = paper.pixelColor(x, y);
            orange = c.red() > 200 && c.green() > c.blue() + 40 && c.green() < c.red() - 40;
        }
    }
    EXPECT_TRUE(orange);
}

// Correct Entry refuses a text that is no number without closing: the text stays as typed and
// the reason stands under the prompt; a number then closes the dialog and corrects the line.
TEST(TapeWork, RefusedCorrectionKeepsTheDialogOpenWithTheReason) {
    auto calculator = StartWithColumn();
    CalculatorCore& core = calculator->Core();
    core.TapeWork().SelectLine(1);
    bool answered = false;
    QTimer::singleShot(50, [&] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* field = dialog->findChild<QLineEdit*>();
        ASSERT_NE(field, nullptr);
        field->setText(QStringLiteral("$12"));
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(field->text(), QStringLiteral("$12"));
        EXPECT_TRUE(dialog->labelText().contains(QStringLiteral("Not a number.")));
        EXPECT_EQ(core.Lines().Line(3).text.View(), "42");
        field->setText(QStringLiteral("20"));
        QTest::keyClick(field, Qt::Key_Return);
        answered = true;
    });
    core.Window().RunMenu(MenuId::CorrectEntry);
    EXPECT_TRUE(answered);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(core.Lines().Line(3).text.View(), "50");
}

TEST(TapeWork, FindStepsThroughTheMatchesBothWays) {
    auto calculator = StartCalculator(15);
    CalculatorCore& core = calculator->Core();
    Type(core, {Key::Digit5, Key::Add, Key::Digit7, Key::Add, Key::Digit5, Key::Add});
    core.Window().RunMenu(MenuId::Find);
    FindDialog* find = calculator->TapeWork().Find();
    ASSERT_NE(find, nullptr);
    EXPECT_TRUE(find->isVisible());
    find->Field().setText("5");
    const std::pair<Qt::KeyboardModifiers, std::int32_t> steps[] = {
        {{}, 1}, {{}, 3}, {{}, 1}, {Qt::ShiftModifier, 3}, {Qt::ShiftModifier, 1}};
    for (const auto& [modifiers, line] : steps) {
        QTest::keyClick(&find->Field(), Qt::Key_Return, modifiers);
        EXPECT_EQ(core.TapeWork().SelectedLine(), line);
    }
    EXPECT_EQ(find->Status(), "1 of 2");
    find->Field().setText("9");
    QTest::keyClick(&find->Field(), Qt::Key_Return);
    EXPECT_EQ(find->Status(), "Not found");
    EXPECT_EQ(core.TapeWork().SelectedLine(), 1);
}

// Each line is a list item named in words, in the tape's order; the selection is the list's
// focus. (The events a reader hears need an active bridge: the AT-SPI run under Xvfb shows them.)
TEST(TapeWork, ScreenReadersReadTheTapeAsAList) {
    auto calculator = StartWithColumn();
    QAccessibleInterface* list =
        QAccessible::queryAccessibleInterface(&calculator->Window().Tape());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::List);
    ASSERT_EQ(list->childCount(), 3);
    EXPECT_EQ(list->child(2)->text(QAccessible::Name).toStdString(), "total 42, 2 items");
    EXPECT_EQ(list->child(1)->role(), QAccessible::ListItem);
    EXPECT_EQ(list->indexOfChild(list->child(2)), 2);
    EXPECT_TRUE(list->child(1)->rect().isValid());
    EXPECT_EQ(list->focusChild(), nullptr);

    calculator->Core().TapeWork().SelectLine(2);
    EXPECT_EQ(list->focusChild(), list->child(1));
    EXPECT_TRUE(list->child(1)->state().focused);
    EXPECT_FALSE(list->child(0)->state().focused);
    calculator->Core().TapeWork().SetNote(2, "rent");
    EXPECT_EQ(list->child(1)->text(QAccessible::Description).toStdString(), "rent");

    Type(calculator->Core(), {Key::Digit4, Key::Add});
    ASSERT_EQ(list->childCount(), 4);
    EXPECT_EQ(list->child(3)->text(QAccessible::Name).toStdString(), "plus 4");

    // A correction is heard on the line it corrected and on the total it changed, not on the
    // line it left alone (whose note stays the description).
    calculator->Core().TapeWork().CorrectEntry(1, "2");
    EXPECT_EQ(list->child(0)->text(QAccessible::Name).toStdString(), "plus 2, corrected, was 12");
    EXPECT_EQ(list->child(1)->text(QAccessible::Name).toStdString(), "plus 30");
    EXPECT_EQ(list->child(2)->text(QAccessible::Name).toStdString(),
              "total 32, 2 items, changed by a correction");
}

TEST(TapeDialogs, ColumnPreviewSaysCountSumEachNumberAndTheLinesLeftOut) {
    EXPECT_EQ(ColumnPreviewText({{"1", "-1,234.00"}, "-1,233.00", {}}),
              "Numbers to add: 2\nTheir sum: -1,233.00\n\n  1\n  -1,234.00");
    EXPECT_EQ(
        ColumnPreviewText({{"1"}, "1.00", {"abc", "x"}}),
        "Numbers to add: 1\nTheir sum: 1.00\n\n  1\n\nLines that are not numbers (left out): 2\n"
        "  abc\n  x");
}

}  // namespace
}  // namespace reckora
