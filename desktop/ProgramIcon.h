#pragma once
// The program's icon, a pocket calculator beside a paper tape: the renderings of the one SVG
// drawing that the build embeds (16 to 64 pixels), for the main and the about window.

#include <QIcon>
#include <QImage>

namespace reckora {

// The icon of the program's windows: the renderings a window manager shows, up to 64 pixels.
QIcon ProgramIcon();

// One rendering; a null image for a size the build does not make.
QImage ProgramIconImage(int size);

}  // namespace reckora
