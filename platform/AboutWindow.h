#pragma once
// FrmAbout: the small fixed dialog naming the program, its version and what it is. It is made
// afresh for each showing, shown modally and topmost, and closed by OK or its close button.

#include <QDialog>

#include "InputPorts.h"

namespace reckora {

class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget* owner);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();
    void cmd_Ok_Click();
};

// The Help menu's About: a fresh FrmAbout, modal, until it is closed.
class QtAboutWindowShower : public AboutWindowShower {
public:
    explicit QtAboutWindowShower(QWidget& owner) : owner_(owner) {}
    void ShowAboutModal() override;

private:
    QWidget& owner_;
};

}  // namespace reckora
