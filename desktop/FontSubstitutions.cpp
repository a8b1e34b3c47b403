#include "FontSubstitutions.h"

#include <QFont>

namespace reckora {

void InstallFontSubstitutions() {
    QFont::insertSubstitution("Courier New", "Liberation Mono");
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("Areal", "Liberation Sans");
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
}

}  // namespace reckora
