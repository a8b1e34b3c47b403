#pragma once
// One calculator key (element i of the control array "theButton"): a box showing its painted face.
// A left click is the key's click; any mouse button reports press and release so the owner can show
// the pressed face, which is a single-line border with the picture moved inside it.

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

#include "KeyTable.h"

namespace reckora {

class KeyButton : public QAbstractButton {
    Q_OBJECT
public:
    KeyButton(const KeyDescription& key, QColor background, QWidget* parent);

    int Index() const { return key_.index; }

    // The face picture; Undo swaps it between its greyed and active faces.
    void SetLegend(const Legend& legend);
    const Legend& CurrentLegend() const { return legend_; }
    void SetDecimalSeparator(const QString& separator);

    void SetFacePressed(bool pressed);
    bool IsFacePressed() const { return facePressed_; }

    // The picture as painted now, at the current device-pixel ratio.
    QPixmap Face();

signals:
    void mouseDown(int index);
    void mouseUp(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Keys reach the calculator through the window's key handlers, never through a key.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    const KeyDescription& key_;
    QColor background_;
    Legend legend_;
    QString decimalSeparator_;
    bool facePressed_ = false;
    QPixmap face_;
};

}  // namespace reckora
