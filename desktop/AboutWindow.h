#pragma once
// The about window: the small fixed dialog naming the program, its version and what it is. It is
// made afresh for each showing, shown modally and topmost, and closed by OK or its close button.

#include <QDialog>

namespace reckora {

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* owner);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The Help menu's About: a fresh about window, modal, until it is closed.
void ShowAboutWindow(QWidget& owner);

}  // namespace reckora
