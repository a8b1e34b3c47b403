#pragma once
// The tape's vertical scroll bar (object name "VScroll1") as a QScrollBar at the tape's left edge.
// Position changes, thumb drags and focus gains go to the tape's handlers.

#include <QScrollBar>

#include "ScrollBar.h"
#include "TwipScale.h"

namespace reckora {

class TapeScrollBar : public QScrollBar, public ScrollBar {
    Q_OBJECT
public:
    TapeScrollBar(double twipsPerPixel, QWidget* parent);

    void SetEvents(ScrollBarEvents* events) override { events_ = events; }
    std::int32_t Maximum() const override { return maximum(); }
    void SetMaximum(std::int32_t maximum) override;
    std::int32_t Value() const override { return value(); }
    void SetValue(std::int32_t value) override { setValue(value); }
    void SetWidth(float twips) override;
    void SetHeight(float twips) override;

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    int Pixels(float twips) const;

    TwipScale scale_;
    ScrollBarEvents* events_ = nullptr;
};

}  // namespace reckora
