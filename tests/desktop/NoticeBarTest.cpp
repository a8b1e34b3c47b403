// The notices about the kept tapes: in the window's notice bar, in the user's language, never in
// a box and never with the keyboard; with the bar closed the window is drawn as it was.

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QTimer>
#include <QToolButton>

#include "CalculatorFixture.h"
#include "NoticeBar.h"
#include "TapeFileFormat.h"
#include "Translations.h"

namespace reckora {
namespace {

// The window's pixels, in one format whatever the grab gave.
QImage Drawn(QWidget& window) {
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void Type(CalculatorApp& calculator, std::initializer_list<Qt::Key> keys) {
    for (const Qt::Key key : keys) {
        QTest::keyClick(calculator.Window().windowHandle(), key);
    }
    QTest::qWait(20);
}

TEST(NoticeBar, AStoreThatCannotKeepIsToldInTheBarInGermanWhileTypingGoesOn) {
    QTemporaryDir data;
    // A file where the tapes' folder should be: nothing can be kept until it goes.
    const QString folder = data.filePath("tapes");
    QFile blocker(folder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // Any box that comes up is noted and closed, so that a regression fails rather than hangs.
    bool boxShown = false;
    QTimer boxWatch;
    QObject::connect(&boxWatch, &QTimer::timeout, [&boxShown] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            boxShown = true;
            box->close();
        }
    });
    boxWatch.start(5);

    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    {
        const Translations german;
        CalculatorAppOptions options;
        options.tapeStorePath = LocalPath(folder + "/tapes.db");
        auto calculator = StartCalculator(15, options);
        QWidget* const focused = QApplication::focusWidget();
        Type(*calculator, {Qt::Key_1, Qt::Key_2, Qt::Key_Plus, Qt::Key_3, Qt::Key_Plus});
        ASSERT_NE(calculator->Notices(), nullptr);
        EXPECT_EQ(calculator->Notices()->Text(),
                  "Der Streifen kann vorerst nicht aufbewahrt werden. Das Rechnen geht weiter. "
                  "Ursache:\nDer Ordner für die Streifendatei kann nicht angelegt werden:\n" +
                      folder);
        EXPECT_EQ(QApplication::focusWidget(), focused);
        EXPECT_EQ(calculator->Core().Lines().CurrentLine(), 2);

        QFile::remove(folder);
        Type(*calculator, {Qt::Key_4, Qt::Key_Plus});
        EXPECT_EQ(calculator->Notices()->Text(),
                  "Der Streifen wird wieder aufbewahrt; nichts ging verloren.");
        EXPECT_EQ(QApplication::focusWidget(), focused);
        EXPECT_EQ(calculator->Core().Lines().CurrentLine(), 3);
    }
    QLocale::setDefault(before);
    EXPECT_FALSE(boxShown);
}

TEST(NoticeBar, LiesOverTheTapeOrTheWindowsTopAndLeavesNothingBehind) {
    auto calculator = StartCalculator(15);
    MainWindow& window = calculator->Window();
    const QImage drawn = Drawn(window);
    NoticeBar bar(*window.ClientArea(), window.Tape());
    EXPECT_EQ(Drawn(window), drawn);

    bar.Show(NoticeSeverity::Warning, QStringLiteral("The disk is full."));
    const QRect tape = window.Tape().geometry();
    EXPECT_EQ(bar.geometry().topLeft(), tape.topLeft());
    EXPECT_EQ(bar.width(), tape.width());
    EXPECT_LT(bar.height(), tape.height() / 2);
    EXPECT_NE(Drawn(window), drawn);
    EXPECT_EQ(bar.focusPolicy(), Qt::NoFocus);

    QToolButton* const close = bar.findChild<QToolButton*>();
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->focusPolicy(), Qt::NoFocus);
    close->click();
    EXPECT_TRUE(bar.Text().isEmpty());
    EXPECT_EQ(Drawn(window), drawn);

    // Without the tape it lies over the top of the window, and follows the tape back.
    calculator->Core().Window().RunMenu(MenuId::ShowTape);
    bar.Show(NoticeSeverity::Information, QStringLiteral("The tape is kept again."));
    EXPECT_EQ(bar.geometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(bar.width(), window.ClientArea()->width());
    calculator->Core().Window().RunMenu(MenuId::ShowTape);
    EXPECT_EQ(bar.geometry().topLeft(), window.Tape().geometry().topLeft());
}

}  // namespace
}  // namespace reckora
