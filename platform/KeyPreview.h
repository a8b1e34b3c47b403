#pragma once
// The main window's key preview: every key press and release of the window reaches the calculator's
// keyboard mapping before the control that has the focus, whichever control that is, and is then
// delivered as usual. Losing the keyboard focus to another window is reported as well.

#include <QObject>
#include <QPointer>

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
};

}  // namespace reckora
