// The window in the user's language: the table texts (title, menu entries, tooltips, accessible
// names) are translated where the widgets are made. The menus and the icon of the installed
// program are checked on a real X server by tests/install.

#include <QAction>
#include <QDate>
#include <QLocale>

#include "CalculatorFixture.h"
#include "KeyCommand.h"
#include "TapeFileChooser.h"
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
        EXPECT_EQ(window.MenuEntry("m_New")->text(), "Neu    (Strg+N)");
        EXPECT_EQ(window.Key(KeyNumber(Key::Total))->toolTip(), "Summe (Eingabe)");
        EXPECT_EQ(window.Key(KeyNumber(Key::Total))->accessibleName(), "Summe");
        EXPECT_EQ(SuggestedTapeName(QDate(2026, 12, 6)), "Streifen 2026-12-06.txt");
    }
    QLocale::setDefault(before);
    // Without the translator the design's texts come back.
    auto calculator = StartCalculator(15);
    EXPECT_EQ(calculator->Window().MenuEntry("m_New")->text(), "New    (Ctrl+N)");
}

}  // namespace
}  // namespace reckora
