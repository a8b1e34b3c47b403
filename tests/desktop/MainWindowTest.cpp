// The Qt binding of the window table and the core under the offscreen platform: widgets where the
// table puts them, mouse clicks reaching the core, key faces, the display's border, the focus
// order, and the tape painted at the screen's density. What the core does with the events is
// covered by the golden key scripts, the layout by the window tests and the real-client test.

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFontInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimeZone>
#include <span>

#include "CalculatorFixture.h"
#include "ControlOrder.h"
#include "KeyCommand.h"
#include "TapeFileFormat.h"

namespace reckora {
namespace {

int Px(float twips) {
    return static_cast<int>(std::lround(twips / 15));
}

void Click(MainWindow& window, std::initializer_list<Key> keys) {
    for (Key key : keys) {
        QTest::mouseClick(window.Key(KeyNumber(key)), Qt::LeftButton);
    }
}

TEST(MainWindow, ControlsStandWhereTheTablePutsThem) {
    auto calculator = StartCalculator(15);
    MainWindow& window = calculator->Window();
    for (const ControlDescription& control : AllControls) {
        QWidget* widget = window.Control({control.name, control.index});
        SCOPED_TRACE(std::string(control.name) + "(" + std::to_string(control.index) + ")");
        ASSERT_EQ(widget != nullptr, control.hasGeometry);
        if (widget == nullptr) {
            continue;
        }
        const Geometry& g = control.geometry;
        const int height = control.kind == ControlKind::Tape ? widget->height() : Px(g.height);
        EXPECT_EQ(widget->geometry(), QRect(Px(g.left), Px(g.top), Px(g.width), height));
        EXPECT_EQ(widget->toolTip().toStdString(), control.tooltip);
    }
    EXPECT_EQ(window.Key(15)->accessibleName().toStdString(), Keys[15].accessibleName);
    EXPECT_EQ(window.Control({"RoundOpt", 0})->parentWidget(), window.Control({"Frame1", -1}));
}

TEST(MainWindow, MouseWorksTheCalculator) {
    auto calculator = StartCalculator(15);
    MainWindow& window = calculator->Window();
    KeyButton* undo = window.Key(KeyNumber(Key::Undo));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(undo->CurrentLegend().icon, KeyIcon::UndoGreyed);

    // Any mouse button presses a face; only the left one clicks.
    KeyButton* four = window.Key(4);
    QTest::mousePress(four, Qt::RightButton);
    EXPECT_TRUE(four->IsFacePressed());
    EXPECT_EQ(four->grab().toImage().pixelColor(37, 20), QColor(Qt::black));  // border, no shadow
    QTest::mouseRelease(four, Qt::RightButton);
    EXPECT_FALSE(four->IsFacePressed());
    EXPECT_EQ(calculator->Core().Engine().State().entryText, "0");

    QTest::mouseClick(window.OptionButton(2), Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_FALSE(window.OptionButton(OptionIndex(RoundingOption::FloatingPoint))->isChecked());
    Click(window,
          {Key::Digit1, Key::Digit2, Key::Add, Key::Digit3, Key::Digit0, Key::Add, Key::Total});
    // The result blinks: blank first, the value when the timer fires.
    EXPECT_TRUE(WaitUntil([&] { return window.Label("C_Display")->text() == "42.00\u00A0"; }));
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->CurrentLegend().icon, KeyIcon::UndoActive);
    EXPECT_TRUE(window.MenuEntry(MenuId::Undo)->isEnabled());

    // The keyboard drives the faces through the window as well.
    window.ShowKeyFace(Key::Total, true);
    EXPECT_TRUE(window.Key(19)->IsFacePressed());
}

// The tape draws dark blue ink right of the middle; a mark glyph keeps its natural width, one
// screen pixel per bitmap pixel, whatever the density: the plus sign is 8 pixels wide.
TEST(MainWindow, TapePaintsMarksAtTheirNaturalWidth) {
    for (const double twipsPerPixel : {15.0, 12.0}) {
        auto calculator = StartCalculator(twipsPerPixel);
        Click(calculator->Window(), {Key::Digit1, Key::Add});
        const QImage paper = calculator->Window().Tape().Picture().toImage();
        const auto [left, right] = ColumnsOf(paper, QColor(0, 0, 255));
        EXPECT_EQ(right - left + 1, 8) << twipsPerPixel << " twips per pixel";
        EXPECT_GT(ColumnsOf(paper, QColor(0, 0, 128)).first, paper.width() / 2);
        EXPECT_EQ(calculator->Window().Key(0)->size(), QSize(38, 38));  // the picture's own size
    }
}

// A negative result turns the display text red inside its black border.
TEST(MainWindow, NegativeResultTurnsOnlyTheDisplayTextRed) {
    auto calculator = StartCalculator(15);
    QLabel* display = calculator->Window().Label("C_Display");
    Click(calculator->Window(), {Key::Digit5, Key::Subtract, Key::Total});
    ASSERT_TRUE(WaitUntil([&] { return display->text().startsWith('-'); }));
    const QImage shot = display->grab().toImage();
    const int right = shot.width() - 1;
    const int bottom = shot.height() - 1;
    for (QPoint corner :
         {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
        EXPECT_EQ(shot.pixelColor(corner), QColor(Qt::black)) << corner.x() << "," << corner.y();
    }
    EXPECT_NE(ColumnsOf(shot, QColor(Qt::red)).second, -1);
}

// The focus starts, shown, on the selected option button; Tab walks on through the enabled keys
// in their order and back to it, Shift+Tab the other way; the tape and the other option buttons
// are no stops.
TEST(MainWindow, TabWalksTheSelectedOptionThenTheKeys) {
    auto calculator = StartCalculator(15);
    MainWindow& window = calculator->Window();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QWidget* selected = window.OptionButton(OptionIndex(RoundingOption::FloatingPoint));
    EXPECT_EQ(QApplication::focusWidget(), selected);
    EXPECT_TRUE(window.testAttribute(Qt::WA_KeyboardFocusChange));
    std::vector<QWidget*> order{selected};
    for (const KeyRow& row : std::span(KeyRows).first(KeyCount)) {
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

TEST(MainWindow, FontsMeasureAsDesignedAndTheScrollBarFollows) {
    auto calculator = StartCalculator(15);
    QLabel* display = calculator->Window().Label("C_Display");
    const QString largest = LabelCaption::ShownText("123,456,789,123,456. ");
    EXPECT_LE(QFontMetrics(display->font()).horizontalAdvance(largest),
              display->contentsRect().width());
    EXPECT_EQ(QFontInfo(display->font()).family(), "Liberation Sans");
    EXPECT_EQ(calculator->Core().Tape().CharWidth(), 135);
    EXPECT_EQ(calculator->Core().Tape().LineHeight(), 255);
    // The tape's scroll bar: two characters wide, following the newest line.
    const QScrollBar& bar = calculator->Window().Tape().ScrollBar();
    EXPECT_EQ(bar.geometry(), QRect(0, 0, 18, calculator->Window().Tape().height()));
    for (int i = 0; i < 30; ++i) {
        calculator->Core().Window().ClickKey(1);
        calculator->Core().Window().ClickKey(KeyNumber(Key::Add));
    }
    EXPECT_GT(bar.maximum(), 0);
    EXPECT_EQ(bar.value(), bar.maximum());
    calculator->Core().Tape().PageUp();
    EXPECT_LT(bar.value(), bar.maximum());
}

// The kept tape comes back right after the window's first frame, by itself; a key typed before
// that lands after the tape, on the state it left.
TEST(MainWindow, AKeyTypedAtOnceLandsAfterTheKeptTape) {
    QTemporaryDir data;
    CalculatorAppOptions options;
    options.tapeStorePath = LocalPath(data.filePath("tapes.db"));
    Click(StartCalculator(15, options)->Window(), {Key::Digit7, Key::Add});

    options.afterFirstFrame = true;
    options.twipsPerPixel = 15;
    options.locale = NumberLocale{".", ","};
    {
        CalculatorApp typedAtOnce(options);
        EXPECT_EQ(typedAtOnce.Core().Lines().CurrentLine(), 0);
        typedAtOnce.Window().show();
        QTest::keyClick(typedAtOnce.Window().windowHandle(), Qt::Key_5);
        QTest::keyClick(typedAtOnce.Window().windowHandle(), Qt::Key_Plus);
        const TapeModel& tape = typedAtOnce.Core().Lines();
        ASSERT_EQ(tape.CurrentLine(), 2);
        EXPECT_EQ(tape.Line(1).text.View().find('7'), 0u);
        EXPECT_EQ(tape.Line(2).text.View().find('5'), 0u);
        EXPECT_EQ(typedAtOnce.Core().Engine().State().runningTotal, 12);
    }
    auto untouched = StartCalculator(15, options);
    EXPECT_TRUE(WaitUntil([&] { return untouched->Core().Lines().CurrentLine() == 2; }));
    EXPECT_FALSE(untouched->Window().windowIcon().isNull());
}

// Save Tape As offers the day of the user's clock, where the day in UTC is another one.
TEST(MainWindow, SaveTapeAsOffersTheLocalDay) {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const int offsetHours = now.time().hour() < 12 ? -12 : 14;
    const QByteArray before = qgetenv("TZ");
    qputenv("TZ", offsetHours < 0 ? "<-12>+12" : "<+14>-14");
    auto calculator = StartCalculator(15);
    QString offered;
    QTimer::singleShot(50, [&offered] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        offered = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
        dialog->reject();
    });
    calculator->Core().Window().RunMenu(MenuId::SaveTapeAs);
    before.isNull() ? qunsetenv("TZ") : qputenv("TZ", before);
    const QDate local = now.toTimeZone(QTimeZone(offsetHours * 3600)).date();
    EXPECT_NE(local, now.date());
    EXPECT_EQ(offered, "Tape " + local.toString(Qt::ISODate) + ".txt");
}

}  // namespace
}  // namespace reckora
