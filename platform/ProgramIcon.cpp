#include "ProgramIcon.h"

#include <array>

namespace reckora {

namespace {

// As cmake/ReckoraIcons.cmake renders them.
constexpr std::array IconSizes = {16, 32, 48, 64, 128, 256};

// A window hands every size its icon holds to the window manager when it is first shown
// (decoded, and sent to the X server as _NET_WM_ICON). Title bars, task bars and switchers use
// 16 to 64 pixels; the larger renderings serve the installed desktop entry.
constexpr int LargestWindowIcon = 64;

}  // namespace

QImage ProgramIconImage(int size) {
    return QImage(QStringLiteral(":/icons/%1.png").arg(size));
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : IconSizes) {
        if (size <= LargestWindowIcon) {
            icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
        }
    }
    return icon;
}

}  // namespace reckora
