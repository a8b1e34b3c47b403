#pragma once
// SetAlwaysOnTop: puts a window into the topmost band or takes it out again, without moving or
// resizing it.

class QWidget;

namespace reckora {

void SetAlwaysOnTop(QWidget& window, bool flag);

}  // namespace reckora
