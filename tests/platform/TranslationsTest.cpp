// The window in the user's language: the table texts (title, menu entries, tooltips, accessible
// names) are translated where the widgets are made. The menus and the icon of the installed
// program are checked on a real X server by tests/install.

#include <QAction>
#include <QDate>
#include <QDateTime>
#include <QLocale>

#include "CalculatorFixture.h"
#include "KeyCommand.h"
#include "PrintService.h"
#include "SheetListModel.h"
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
        EXPECT_EQ(UserText(kPrintMessageTitle), "Reckora-Rechner");
        // Qt's own buttons, from the Qt translations installed with the program.
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
        EXPECT_TRUE(window.Label("C_Display")->accessibleName().startsWith("Anzeige"));
        EXPECT_TRUE(window.Key(KeyNumber(Key::DecimalSeparator))
                        ->accessibleDescription()
                        .startsWith("Beginnt die Nachkommastellen"));
        const QDateTime evening(QDate(2026, 12, 7), QTime(21, 5));
        EXPECT_TRUE(SheetTime(evening.toMSecsSinceEpoch()).contains("7. Dezember 2026"));
    }
    QLocale::setDefault(before);
    // Without the translator the design's texts come back.
    auto calculator = StartCalculator(15);
    EXPECT_EQ(calculator->Window().MenuEntry("m_New")->text(), "New    (Ctrl+N)");
}

}  // namespace
}  // namespace reckora
