#pragma once
// The main window's outer placement and the screen's size in twips, for the settings: height and
// width through the layout's window model, top and left from the window's frame.

#include "SettingsPorts.h"
#include "WindowModel.h"

class QWidget;

namespace reckora {

class QtWindowPlacement : public WindowPlacement {
public:
    QtWindowPlacement(QWidget& window, WindowModel& model, double twipsPerPixel)
        : window_(window), model_(model), twipsPerPixel_(twipsPerPixel) {}

    double Height() const override { return model_.Height(); }
    double Width() const override { return model_.Width(); }
    double Top() const override;
    double Left() const override;
    void SetHeight(double twips) override { model_.SetHeight(static_cast<float>(twips)); }
    void SetTop(double twips) override;
    void SetLeft(double twips) override;
    double ScreenHeight() const override;
    double ScreenWidth() const override;

private:
    int Pixels(double twips) const;

    QWidget& window_;
    WindowModel& model_;
    double twipsPerPixel_;
};

}  // namespace reckora
