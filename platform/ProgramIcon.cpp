#include "ProgramIcon.h"

#include <array>

namespace reckora {

namespace {

// As cmake/ReckoraIcons.cmake renders them.
constexpr std::array IconSizes = {16, 32, 48, 64, 128, 256};

}  // namespace

QImage ProgramIconImage(int size) {
    return QImage(QStringLiteral(":/icons/%1.png").arg(size));
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : IconSizes) {
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace reckora
