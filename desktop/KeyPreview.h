#pragma once
// The main window's key preview: every key press and release of the window reaches the calculator's
// keyboard mapping before the control that has the focus, whichever control that is; only the keys
// the mapping has no use for (Tab, the arrows) are then delivered to that control. Losing the
// keyboard focus to another window is reported as well. A held key reaches the mapping as one
// press and one release.

#include <QObject>
#include <QPointer>

#include "HeldKeyFilter.h"

class QWidget;
class QWindow;

namespace reckora {

class CalculatorCore;

class KeyPreview : public QObject {
    Q_OBJECT
public:
    // Watches the application's events for those of mainWindow's native window.
    KeyPreview(QWidget& mainWindow, CalculatorCore& calculator);
    ~KeyPreview() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FocusWindowChanged(QWindow* now);

    QPointer<QWidget> mainWindow_;
    CalculatorCore& calculator_;
    HeldKeyFilter heldKeys_;
};

}  // namespace reckora
