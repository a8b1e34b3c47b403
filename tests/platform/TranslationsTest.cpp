// The window in the user's language: the table texts are translated where the widgets are made,
// and the main window carries the program's icon.

#include <QAction>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>

#include "CalculatorFixture.h"
#include "KeyCommand.h"
#include "Translations.h"

namespace reckora {
namespace {

TEST(Translations, GermanLocaleGivesGermanTableTexts) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    {
        const Translations german;
        auto calculator = StartCalculator(15);
        MainWindow& window = calculator->Window();
        EXPECT_EQ(window.windowTitle(), "Reckora-Rechner");
        QStringList menus;
        for (const QAction* menu : window.menuBar()->actions()) {
            menus << menu->text();
        }
        EXPECT_EQ(menus, QStringList({"&Datei", "&Bearbeiten", "&Optionen", "&Hilfe"}));
        EXPECT_EQ(window.MenuEntry("m_New")->text(), "Neu    (Strg+N)");
        EXPECT_EQ(window.Key(KeyNumber(Key::Total))->toolTip(), "Summe (Eingabe)");
        EXPECT_EQ(window.Key(KeyNumber(Key::Total))->accessibleName(), "Summe");
        EXPECT_EQ(window.OptionButton(6)->toolTip(), "Gleitkomma (Strg+F)");
    }
    QLocale::setDefault(before);
    // Without the translator the design's texts come back.
    auto calculator = StartCalculator(15);
    EXPECT_EQ(calculator->Window().MenuEntry("m_New")->text(), "New    (Ctrl+N)");
}

TEST(Translations, TheMainWindowCarriesTheProgramIcon) {
    auto calculator = StartCalculator(15);
    const QList<QSize> sizes = calculator->Window().windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
}

}  // namespace
}  // namespace reckora
