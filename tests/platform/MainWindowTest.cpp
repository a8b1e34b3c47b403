// The real main window under the offscreen platform: controls where the description puts them,
// the layout's heights and widths, the simulated denser screen, the Undo key's start, key
// feedback, the focus order, the display's border, and a sum worked with mouse clicks.

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QRadioButton>
#include <algorithm>

#include "CalculatorFixture.h"
#include "ControlOrder.h"
#include "KeyCommand.h"

namespace reckora {
namespace {

constexpr double Reference = 15;

int Px(float twips, double tpp = Reference) {
    return static_cast<int>(std::lround(twips / tpp));
}

TEST(MainWindow, ControlsStandWhereTheDescriptionPutsThem) {
    auto calculator = StartCalculator(Reference);
    MainWindow& window = calculator->Window();
    int checked = 0;
    for (const ControlDescription& control : AllControls) {
        QWidget* widget = window.Control({control.name, control.index});
        if (!control.hasGeometry) {
            EXPECT_EQ(widget, nullptr) << control.name;
            continue;
        }
        ASSERT_NE(widget, nullptr) << control.name << "(" << control.index << ")";
        const Geometry& g = control.geometry;
        const int height = control.kind == ControlKind::Tape ? widget->height() : Px(g.height);
        EXPECT_EQ(widget->geometry(), QRect(Px(g.left), Px(g.top), Px(g.width), height))
            << control.name << "(" << control.index << ")";
        if (!control.tooltip.empty()) {
            EXPECT_EQ(widget->toolTip().toStdString(), control.tooltip) << control.name;
        }
        ++checked;
    }
    EXPECT_EQ(checked, 23 - 1 + 31);  // all but the timer
    EXPECT_EQ(window.Key(0)->accessibleName(), "Digit 0");
    EXPECT_EQ(window.Key(15)->accessibleName(), "Add");
    EXPECT_TRUE(window.Key(7)->toolTip().isEmpty());
    EXPECT_EQ(window.Key(22)->toolTip(), "Memory Add (Shit+ \"+\")");
    EXPECT_EQ(window.Control({"RoundOpt", 0})->parentWidget(), window.Control({"Frame1", -1}));
    EXPECT_EQ(window.windowTitle(), "Reckora Calculator");
}

TEST(MainWindow, StandardHeightAndTheWidthWithAndWithoutTheTape) {
    auto calculator = StartCalculator(Reference);
    MainWindow& window = calculator->Window();
    QtWindowModel& model = calculator->Model();
    EXPECT_EQ(model.ClientHeight(), 4110);
    EXPECT_EQ(model.ClientWidth(), 8655);
    EXPECT_EQ(window.Tape().height() * Reference, 4110 - 45);
    EXPECT_TRUE(window.Tape().isVisible());
    EXPECT_TRUE(window.MenuEntry("m_ShowTape")->isChecked());

    QTest::mouseClick(window.Key(KeyNumber(Key::ShowHideTape)), Qt::LeftButton);
    EXPECT_TRUE(WaitUntil([&] { return window.width() == Px(4575); }));
    EXPECT_EQ(model.ClientWidth(), 4575);
    EXPECT_FALSE(window.Tape().isVisible());
    EXPECT_FALSE(window.MenuEntry("m_ShowTape")->isChecked());

    window.MenuEntry("m_ShowTape")->trigger();
    EXPECT_TRUE(WaitUntil([&] { return window.width() == Px(8655); }));
    EXPECT_TRUE(window.Tape().isVisible());
    EXPECT_TRUE(window.MenuEntry("m_ShowTape")->isChecked());
}

TEST(MainWindow, WidthSnapsBackAndTheTapeFollowsTheHeight) {
    auto calculator = StartCalculator(Reference);
    MainWindow& window = calculator->Window();
    const QPoint key0 = window.Key(0)->pos();

    window.resize(Px(12000), Px(7000));
    QTest::qWait(20);
    EXPECT_EQ(window.width(), Px(8655));
    EXPECT_EQ(window.height(), Px(7000));
    EXPECT_EQ(window.Tape().height(), window.ClientHeightPixels() - Px(45));
    EXPECT_EQ(window.Key(0)->pos(), key0);

    // A client area shorter than the gap below the tape leaves the tape as it was.
    const int tapeHeight = window.Tape().height();
    window.resize(window.width(), window.height() - window.ClientHeightPixels() + 2);
    QTest::qWait(20);
    EXPECT_EQ(window.Tape().height(), tapeHeight);
    EXPECT_EQ(window.width(), Px(8655));
}

TEST(MainWindow, DenserScreenKeepsPixelSizesAndUsesTheSmallIndicatorFace) {
    const double tpp = 12;
    auto calculator = StartCalculator(tpp);
    MainWindow& window = calculator->Window();
    QtWindowModel& model = calculator->Model();
    EXPECT_EQ(model.Property({"theButton", 0}, ControlProperty::Top), 2784);
    EXPECT_EQ(model.Property({"theButton", 0}, ControlProperty::Height), 456);
    EXPECT_EQ(model.ClientHeight(), 3300);
    EXPECT_EQ(window.Key(0)->geometry(), QRect(54, 232, 38, 38));  // the picture's own size
    for (const char* name : {"LMem", "LCounter"}) {
        const QFont font = window.Label(name)->font();
        EXPECT_EQ(font.family(), "Areal") << name;
        EXPECT_EQ(font.pointSizeF(), 6) << name;
    }
    EXPECT_FLOAT_EQ(static_cast<float>(window.Label("C_Display")->font().pointSizeF()), 14.4f);
    EXPECT_FLOAT_EQ(calculator->Core().Tape().FontSize(), 9.0f);
}

TEST(MainWindow, UndoStartsDisabledWithTheGreyedFace) {
    auto calculator = StartCalculator(Reference);
    MainWindow& window = calculator->Window();
    KeyButton* undo = window.Key(KeyNumber(Key::Undo));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(undo->CurrentLegend().icon, KeyIcon::UndoGreyed);
    EXPECT_FALSE(window.MenuEntry("m_Undo")->isEnabled());

    QTest::mouseClick(window.Key(5), Qt::LeftButton);
    QTest::mouseClick(window.Key(KeyNumber(Key::Add)), Qt::LeftButton);
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->CurrentLegend().icon, KeyIcon::UndoActive);
    EXPECT_TRUE(window.MenuEntry("m_Undo")->isEnabled());

    window.MenuEntry("m_Undo")->trigger();
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(undo->CurrentLegend().icon, KeyIcon::UndoGreyed);
    EXPECT_EQ(calculator->Core().Tape().CurrentLine(), 0);
}

TEST(MainWindow, ClickedSumShowsOnTheDisplayAndTheTape) {
    auto calculator = StartCalculator(Reference);
    MainWindow& window = calculator->Window();
    for (int key : {1, 2, KeyNumber(Key::Add), 3, 0, KeyNumber(Key::Add), KeyNumber(Key::Total)}) {
        QTest::mouseClick(window.Key(key), Qt::LeftButton);
    }
    // The result blinks: blank first, the value when Timer1 fires.
    EXPECT_TRUE(WaitUntil([&] { return window.Label("C_Display")->text() == "42.\u00A0"; }));
    EXPECT_EQ(calculator->Core().Engine().State().EntryText, "0");
    EXPECT_EQ(calculator->Core().Tape().CurrentLine(), 3);
    EXPECT_EQ(window.Label("LCounter")->text(), "0\u00A0");

    // The tape drew dark blue ink right of the middle.
    const QImage paper = window.Tape().Picture().toImage();
    int ink = 0;
    for (int y = 0; y < paper.height(); ++y) {
        for (int x = paper.width() / 2; x < paper.width(); ++x) {
            ink += paper.pixelColor(x, y) == QColor(0, 0, 128) ? 1 : 0;
        }
    }
    EXPECT_GT(ink, 50);
}

// A mark glyph is drawn at its natural width, one screen pixel per bitmap pixel, whatever the
// screen's density: the plus sign is 8 pixels wide at 96 and at 120 dpi.
TEST(MainWindow, MarkGlyphsKeepTheirNaturalWidth) {
    for (const double twipsPerPixel : {15.0, 12.0}) {
        auto calculator = StartCalculator(twipsPerPixel);
        MainWindow& window = calculator->Window();
        QTest::mouseClick(window.Key(1), Qt::LeftButton);
        QTest::mouseClick(window.Key(KeyNumber(Key::Add)), Qt::LeftButton);
        const QImage paper = window.Tape().Picture().toImage();
        int left = paper.width();
        int right = -1;
        for (int y = 0; y < paper.height(); ++y) {
            for (int x = 0; x < paper.width(); ++x) {
                if (paper.pixelColor(x, y) == QColor(0, 0, 255)) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        EXPECT_EQ(right - left + 1, 8) << twipsPerPixel << " twips per pixel";
    }
}

TEST(MainWindow, OptionButtonClickSelectsTheRoundingOption) {
    auto calculator = StartCalculator(Reference);
    MainWindow& window = calculator->Window();
    EXPECT_TRUE(window.OptionButton(RoundOption::FloatingPoint)->isChecked());
    QTest::mouseClick(window.OptionButton(2), Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(calculator->Core().Engine().GetRoundOption(), 2);
    EXPECT_TRUE(window.OptionButton(2)->isChecked());
    EXPECT_FALSE(window.OptionButton(RoundOption::FloatingPoint)->isChecked());
    for (int key : {1, 2, KeyNumber(Key::Add), KeyNumber(Key::Total)}) {
        QTest::mouseClick(window.Key(key), Qt::LeftButton);
    }
    EXPECT_TRUE(WaitUntil([&] { return window.Label("C_Display")->text() == "12.00\u00A0"; }));
}

TEST(MainWindow, NegativeResultTurnsOnlyTheDisplayTextRed) {
    auto calculator = StartCalculator(Reference);
    QLabel* display = calculator->Window().Label("C_Display");
    for (int key : {5, KeyNumber(Key::Subtract), KeyNumber(Key::Total)}) {
        QTest::mouseClick(calculator->Window().Key(key), Qt::LeftButton);
    }
    ASSERT_TRUE(WaitUntil([&] { return display->text().startsWith('-'); }));
    const QImage shot = display->grab().toImage();
    const QPoint corners[] = {{0, 0},
                              {shot.width() - 1, 0},
                              {0, shot.height() - 1},
                              {shot.width() - 1, shot.height() - 1}};
    for (QPoint corner : corners) {
        EXPECT_EQ(shot.pixelColor(corner), QColor(Qt::black)) << corner.x() << "," << corner.y();
    }
    bool redText = false;
    for (int y = 1; y < shot.height() - 1 && !redText; ++y) {
        for (int x = 1; x < shot.width() - 1 && !redText; ++x) {
            redText = shot.pixelColor(x, y) == QColor(Qt::red);
        }
    }
    EXPECT_TRUE(redText);
}

// The focus starts, shown, on the selected option button; Tab walks on through the enabled keys
// in their order and back to it, Shift+Tab the other way; the tape and the other option buttons
// are no stops.
TEST(MainWindow, TabWalksTheSelectedOptionThenTheKeys) {
    auto calculator = StartCalculator(Reference);
    MainWindow& window = calculator->Window();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QWidget* selected = window.OptionButton(RoundOption::FloatingPoint);
    EXPECT_EQ(QApplication::focusWidget(), selected);
    EXPECT_TRUE(window.testAttribute(Qt::WA_KeyboardFocusChange));
    std::vector<QWidget*> order{selected};
    for (const KeyRow& row : KeyRows) {
        if (window.Key(KeyNumber(row.key))->isEnabled()) {
            order.push_back(window.Key(KeyNumber(row.key)));
        }
    }
    order.push_back(selected);
    for (std::size_t i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), order[i]) << "Tab " << i;
    }
    for (std::size_t i = order.size() - 1; i-- > 0;) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), order[i]) << "Shift+Tab to " << i;
    }
}

TEST(MainWindow, KeyFaceShowsPressedFromMousePressToRelease) {
    auto calculator = StartCalculator(Reference);
    MainWindow& window = calculator->Window();
    KeyButton* four = window.Key(4);

    QTest::mousePress(four, Qt::LeftButton);
    EXPECT_TRUE(four->IsFacePressed());
    const QImage pressed = four->grab().toImage();
    EXPECT_EQ(pressed.pixelColor(0, 0), QColor(Qt::black));    // the border
    EXPECT_EQ(pressed.pixelColor(37, 20), QColor(Qt::black));  // border, not the shadow
    QTest::mouseRelease(four, Qt::LeftButton);
    EXPECT_FALSE(four->IsFacePressed());
    EXPECT_EQ(four->grab().toImage().pixelColor(0, 0), QColor(0x80, 0x80, 0xFF));
    EXPECT_EQ(calculator->Core().Engine().State().EntryText, "4");

    // Any mouse button presses the face; only the left one clicks.
    QTest::mousePress(four, Qt::RightButton);
    EXPECT_TRUE(four->IsFacePressed());
    QTest::mouseRelease(four, Qt::RightButton);
    EXPECT_FALSE(four->IsFacePressed());
    EXPECT_EQ(calculator->Core().Engine().State().EntryText, "4");

    // The keyboard drives the faces through the window as well.
    window.ShowKeyFace(Key::Total, true);
    EXPECT_TRUE(window.Key(19)->IsFacePressed());
    window.ShowKeyFace(Key::Total, false);
    EXPECT_FALSE(window.Key(19)->IsFacePressed());
}

TEST(MainWindow, DisplayShowsItsLargestEntryUnclipped) {
    auto calculator = StartCalculator(Reference);
    QLabel* display = calculator->Window().Label("C_Display");
    const QString largest = LabelCaption::ShownText("123,456,789,123,456. ");
    const QFontMetrics metrics(display->font());
    EXPECT_LE(metrics.horizontalAdvance(largest), display->contentsRect().width());
    EXPECT_EQ(QFontInfo(display->font()).family(), "Liberation Sans");
}

TEST(MainWindow, TapeFontMeasuresAsDesigned) {
    auto calculator = StartCalculator(Reference);
    EXPECT_EQ(QFontInfo(QFont("Courier New")).family(), "Liberation Mono");
    EXPECT_EQ(calculator->Core().Tape().CharWidth(), 135);
    EXPECT_EQ(calculator->Core().Tape().LineHeight(), 255);
    // The scroll bar is two characters wide and as high as the tape, at its left edge.
    const QScrollBar& bar = calculator->Window().Tape().ScrollBar();
    EXPECT_EQ(bar.geometry(), QRect(0, 0, 18, calculator->Window().Tape().height()));
}

TEST(MainWindow, TapeScrollsToTheNewestLine) {
    auto calculator = StartCalculator(Reference);
    MainWindow& window = calculator->Window();
    for (int i = 0; i < 30; ++i) {
        calculator->Core().ClickKey(1);
        calculator->Core().ClickKey(KeyNumber(Key::Add));
    }
    const QScrollBar& bar = window.Tape().ScrollBar();
    EXPECT_GT(bar.maximum(), 0);
    EXPECT_EQ(bar.value(), bar.maximum());
    calculator->Core().Tape().PageUp();
    EXPECT_LT(bar.value(), bar.maximum());
}

}  // namespace
}  // namespace reckora
