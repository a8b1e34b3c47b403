#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace reckora {

Translations::Translations() {
    // The program's translations are built into it, so a build folder and an installed copy
    // speak the same languages.
    if (program_.load(QLocale(), QStringLiteral("reckora"), QStringLiteral("_"),
                      QStringLiteral(":/i18n"))) {
        QCoreApplication::installTranslator(&program_);
    }
    // Qt's own texts (the buttons of the message boxes, the file dialog), where installed.
    if (qt_.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt_);
    }
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&program_);
}

QString UserText(std::string_view text) {
    const QByteArray source(text.data(), static_cast<qsizetype>(text.size()));
    return QCoreApplication::translate(TranslationContext, source.constData());
}

}  // namespace reckora
