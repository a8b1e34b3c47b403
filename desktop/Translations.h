#pragma once
// The program in the user's language: installs its own translation and Qt's for the system
// locale, and translates the texts that the plain tables mark with RECKORA_USER_TEXT.

#include <QString>
#include <QTranslator>
#include <string_view>

namespace reckora {

// The context lupdate gives the marked table texts; the Qt side's own texts outside a class
// name it as a literal, which lupdate needs.
inline constexpr const char* TranslationContext = "reckora";

// Installed on the running application from construction to destruction. With no translation
// for the locale (English, or a language not shipped) the texts stay the source texts.
class Translations {
public:
    Translations();
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

private:
    QTranslator program_;
    QTranslator qt_;
};

// A text of the plain tables in the user's language.
QString UserText(std::string_view text);

}  // namespace reckora
