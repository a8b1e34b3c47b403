#include "AlwaysOnTop.h"

#include <QWidget>
#include <QWindow>

namespace reckora {

// QWidget::setWindowFlags would re-create a shown window (hiding it, and placing it anew when
// shown again). The native window takes the new hint as it stands; the widget is only told.
void SetAlwaysOnTop(QWidget& window, bool flag) {
    Qt::WindowFlags flags = window.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, flag);
    if (flags == window.windowFlags()) {
        return;
    }
    QWindow* native = window.windowHandle();
    if (native == nullptr) {
        window.setWindowFlags(flags);
        return;
    }
    window.overrideWindowFlags(flags);
    native->setFlags(flags);
}

}  // namespace reckora
