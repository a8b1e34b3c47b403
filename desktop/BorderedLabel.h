#pragma once
// A label with a single-line border of a fixed colour: the text colour may change (the display
// turns red for a negative result) while the border keeps its own.

#include <QColor>
#include <QLabel>

namespace reckora {

class BorderedLabel : public QLabel {
public:
    BorderedLabel(QColor border, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor border_;
};

}  // namespace reckora
