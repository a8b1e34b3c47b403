#pragma once
// Paints the picture of a key face from its description - face colour or checkerboard, the
// two-pixel raised shadow, the legend text or icon - at the screen's device-pixel ratio, so the
// picture has the designed size in pixels and stays crisp on dense screens.

#include <QPixmap>
#include <QString>

#include "KeyTable.h"

namespace reckora {

// decimalSeparator is the legend of a DecimalSeparator legend.
QPixmap PaintKeyFace(FaceGroup group, const Legend& legend, int widthPixels, int heightPixels,
                     const QString& decimalSeparator, qreal devicePixelRatio);

}  // namespace reckora
