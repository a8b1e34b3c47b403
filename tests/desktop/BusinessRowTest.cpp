// The row of business keys on screen: off, the window is as designed to the pixel; on, it is one
// row taller, Tab walks on through the row, and a click on each face runs its key. What the keys
// compute is the engine's tests'; the settings and menus around the row are the golden scripts'.

#include <QApplication>

#include "BusinessKeyTable.h"
#include "CalculatorFixture.h"
#include "MemoryWindow.h"

namespace reckora {
namespace {

bool RowShown(MainWindow& window) {
    for (const KeyDescription& key : BusinessKeyFaces) {
        if (!window.Key(key.index)->isVisible()) {
            return false;
        }
    }
    return window.Label(GrandTotalLabelName)->isVisible();
}

TEST(BusinessRow, OffTheWindowIsAsDesignedOnItIsOneRowTaller) {
    auto calculator = StartCalculator(15);
    MainWindow& window = calculator->Window();
    const QImage designed = window.grab().toImage();
    const int height = window.height();
    EXPECT_FALSE(window.Key(KeyNumber(Key::GrandTotal))->isVisible());
    EXPECT_FALSE(window.Label(GrandTotalLabelName)->isVisible());

    calculator->Core().Window().RunMenu(MenuId::BusinessKeys);
    const int row = static_cast<int>((BusinessRow::LabelTop + BusinessRow::LabelHeight -
                                      Keys[0].geometry.top - Keys[0].geometry.height) /
                                     15);
    EXPECT_TRUE(WaitUntil([&] { return window.height() == height + row; })) << window.height();
    EXPECT_TRUE(RowShown(window));
    EXPECT_TRUE(window.MenuEntry(MenuId::BusinessKeys)->isChecked());
    // The row's label ends above the client area's bottom edge.
    const QRect label = window.Label(GrandTotalLabelName)->geometry();
    EXPECT_LT(label.bottom(), window.ClientArea()->height());

    calculator->Core().Window().RunMenu(MenuId::BusinessKeys);
    EXPECT_TRUE(WaitUntil([&] { return window.height() == height; })) << window.height();
    EXPECT_EQ(window.grab().toImage(), designed);
}

// Started with the row saved on and a tax rate: each face clicked with the mouse writes its line.
TEST(BusinessRow, EachFaceRunsItsKeyAndTabWalksThroughTheRow) {
    MemorySettingsStore store;
    store.Values() = {{"BusinessKeys", "True"}, {"TaxRate", "19"}};
    CalculatorAppOptions options;
    options.settingsStore = &store;
    auto calculator = StartCalculator(15, options);
    MainWindow& window = calculator->Window();
    ASSERT_TRUE(RowShown(window));
    struct Case {
        std::vector<Key> typed;
        Key face;
        TapeMark mark;
    };
    const Case cases[] = {
        {{Key::Digit1, Key::Add}, Key::Subtotal, TapeMark::Subtotal},
        {{Key::Total}, Key::GrandTotal, TapeMark::GrandTotal},
        {{Key::Digit1}, Key::NonAdd, TapeMark::NonAdd},
        {{Key::Digit1}, Key::TaxPlus, TapeMark::TaxPlus},
        {{Key::Digit1}, Key::TaxMinus, TapeMark::TaxMinus},
        {{Key::Digit8}, Key::Cost, TapeMark::Cost},
        {{Key::Digit9}, Key::Sell, TapeMark::Sell},
        {{Key::Digit2}, Key::Margin, TapeMark::Margin},
    };
    const TapeModel& tape = calculator->Core().Lines();
    for (const Case& c : cases) {
        for (Key key : c.typed) {
            QTest::mouseClick(window.Key(KeyNumber(key)), Qt::LeftButton);
        }
        const std::int32_t before = tape.CurrentLine();
        QTest::mouseClick(window.Key(KeyNumber(c.face)), Qt::LeftButton);
        bool written = false;
        for (std::int32_t line = before + 1; line <= tape.CurrentLine(); ++line) {
            written = written || tape.Line(line).mark == c.mark;
        }
        EXPECT_TRUE(written) << RowOf(c.face).name;
    }

    window.Key(KeyNumber(Key::New))->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    // Undo, the last key of the keypad, is enabled by now.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.Key(KeyNumber(Key::GrandTotal)));
    EXPECT_EQ(window.Key(KeyNumber(Key::Margin))->accessibleName(), "Margin");
}

}  // namespace
}  // namespace reckora
