#pragma once
// The notices about the kept tapes (moved aside, cannot be kept, kept again, open in another
// window) in a bar laid over the top of the tape, or of the window while the tape is hidden. It
// never takes the keyboard focus, so typing goes on into the calculator while it shows; it is made
// at the first notice and takes no room, so a window without notices is drawn as before. Screen
// readers are told each notice.

#include <QFrame>
#include <QString>
#include <QTimer>

#include "StoreNotices.h"

class QLabel;
class QToolButton;

namespace reckora {

class NoticeBar : public QFrame {
public:
    // Lies over `area` (the window's client area), over the top of `tape` while it is shown.
    NoticeBar(QWidget& area, QWidget& tape);

    // Shows a notice in place of the one shown; good news goes away by itself after a while.
    void Show(NoticeSeverity severity, const QString& text);
    QString Text() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Place();

    QWidget& area_;
    QWidget& tape_;
    QLabel* icon_;
    QLabel* text_;
    QToolButton* close_;
    QTimer fade_;
};

}  // namespace reckora
