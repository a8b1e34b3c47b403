#pragma once
// The program's icon, a pocket calculator beside a paper tape: the renderings of the one SVG
// drawing that the build embeds (16 to 256 pixels), for the main and the about window.

#include <QIcon>
#include <QImage>

namespace reckora {

QIcon ProgramIcon();

// One rendering; a null image for a size the build does not make.
QImage ProgramIconImage(int size);

}  // namespace reckora
