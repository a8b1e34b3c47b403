#pragma once
// The main window's outer placement and the screen's size in twips, for the settings: height and
// width through the layout's window model, top and left from the window's frame.

#include <QObject>
#include <optional>

#include "SettingsPorts.h"
#include "TwipScale.h"
#include "WindowModel.h"

class QWidget;

namespace reckora {

class QtWindowPlacement : public QObject, public WindowPlacement {
public:
    QtWindowPlacement(QWidget& window, WindowModel& model, double twipsPerPixel);

    double Height() const override { return model_.Height(); }
    double Width() const override { return model_.Width(); }
    double Top() const override;
    double Left() const override;
    // Before the window is first shown its frame is not known; the outer height and the
    // centring are applied again once the window manager has put the frame around it.
    void SetHeight(double twips) override;
    void SetTop(double twips) override;
    void SetLeft(double twips) override;
    double ScreenHeight() const override;
    double ScreenWidth() const override;
    void CentreTop() override;
    void CentreLeft() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int Pixels(double twips) const;
    bool FrameKnown() const;
    void ApplyBeforeShown();

    QWidget& window_;
    WindowModel& model_;
    TwipScale scale_;
    std::optional<double> heightBeforeShown_;
    bool centreTopBeforeShown_ = false;
    bool centreLeftBeforeShown_ = false;
    // Shown, with placements to repeat when the frame appears.
    bool awaitingFrame_ = false;
};

}  // namespace reckora
