#include "ProgramIcon.h"

#include <QResource>
#include <array>

namespace reckora {

namespace {

// As cmake/ReckoraIcons.cmake renders them into the resources. A window hands every size its icon
// holds to the window manager when it is first shown (sent to the X server as _NET_WM_ICON);
// title bars, task bars and switchers use 16 to 64 pixels, and the larger renderings serve the
// installed desktop entry.
constexpr std::array WindowIconSizes = {16, 32, 48, 64};

}  // namespace

QImage ProgramIconImage(int size) {
    // Bare pixels rather than PNGs: nothing is decoded, and no image-format plugin is looked for.
    const QByteArray pixels =
        QResource(QStringLiteral(":/icons/%1.rgba").arg(size)).uncompressedData();
    if (pixels.size() != qsizetype{4} * size * size) {
        return {};
    }
    return QImage(reinterpret_cast<const uchar*>(pixels.constData()), size, size, 4 * size,
                  QImage::Format_RGBA8888_Premultiplied)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : WindowIconSizes) {
        icon.addPixmap(QPixmap::fromImage(ProgramIconImage(size)));
    }
    return icon;
}

}  // namespace reckora
