// The window in the user's language: the table texts (title, menu entries, tooltips, accessible
// names) are translated where the widgets are made. The menus and the icon of the installed
// program are checked on a real X server by tests/install.

#include <QAction>
#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <map>

#include "CalculatorFixture.h"
#include "KeyCommand.h"
#include "MenuTable.h"
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
        EXPECT_EQ(window.MenuEntry(MenuId::New)->text(), "Neu    (Strg+N)");
        EXPECT_EQ(window.Key(KeyNumber(Key::Total))->toolTip(), "Summe (Eingabe)");
        EXPECT_EQ(window.Key(KeyNumber(Key::Total))->accessibleName(), "Summe");
        EXPECT_EQ(SuggestedTapeName(QDate(2026, 12, 6)), "Streifen 2026-12-06.txt");
        EXPECT_EQ(UserText(PrintMessageTitle), "Reckora-Rechner");
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
    EXPECT_EQ(calculator->Window().MenuEntry(MenuId::New)->text(), "New    (Ctrl+N)");
}

// The shortcut a menu entry is declared with: its own, or the key's stroke with a modifier.
std::optional<KeyStroke> DeclaredShortcut(const MenuEntry& entry) {
    if (!entry.action.key) {
        return entry.shortcut;
    }
    for (const KeyStroke& stroke : RowOf(*entry.action.key).strokes) {
        if (stroke.modifiers != KeyModifier::None) {
            return stroke;
        }
    }
    return std::nullopt;
}

// The designed captions write their shortcut in brackets after the text; in each language the
// bracket must name the stroke the entry is bound to, so that caption and binding cannot drift.
TEST(Translations, MenuCaptionsNameTheDeclaredShortcut) {
    struct Language {
        QLocale locale;
        QString ctrl;
        QString shift;
        QString enter;  // the keys that are no letter, as the captions name them
        QString plus;
        QString minus;
    };
    const QLocale before;
    for (const Language& language : {Language{QLocale(QLocale::English, QLocale::UnitedStates),
                                              "Ctrl", "Shift", "Enter", "Plus", "Minus"},
                                     Language{QLocale(QLocale::German, QLocale::Germany), "Strg",
                                              "Umschalt", "Eingabe", "Plus", "Minus"},
                                     Language{QLocale(QLocale::French, QLocale::France), "Ctrl",
                                              "Maj", "Entrée", "Plus", "Moins"}}) {
        QLocale::setDefault(language.locale);
        const Translations translations;
        for (const MenuEntry& entry : MenuTree) {
            const QString caption = UserText(entry.caption);
            const qsizetype open = caption.lastIndexOf(QStringLiteral("    ("));
            const QString shown =
                open < 0 ? QString() : caption.mid(open + 5).chopped(1);  // without "(" and ")"
            QString declared;
            const std::optional<KeyStroke> stroke = DeclaredShortcut(entry);
            if (stroke && entry.captionNamesShortcut) {
                declared = language.ctrl + '+';
                if ((stroke->modifiers & KeyModifier::Shift) != 0) {
                    declared += language.shift + '+';
                }
                const std::map<int, QString> named{{VirtualKey::Return, language.enter},
                                                   {VirtualKey::Add, language.plus},
                                                   {VirtualKey::Subtract, language.minus}};
                const auto name = named.find(stroke->code);
                declared += name != named.end() ? name->second : QChar(stroke->code);
            }
            EXPECT_EQ(shown, declared)
                << entry.name << " in " << language.locale.name().toStdString();
        }
    }
    QLocale::setDefault(before);
}

}  // namespace
}  // namespace reckora
