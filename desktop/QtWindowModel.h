#pragma once
// The layout's view of the Qt main window: positions and sizes kept in twips as the layout
// writes them, each write placed on its widget in pixels; window and client sizes read from the
// real window. (The calculator's core routes the tape's font size to the tape itself.)

#include <map>
#include <string>

#include "MainWindow.h"
#include "WindowModel.h"

namespace reckora {

class QtWindowModel : public WindowModel {
public:
    explicit QtWindowModel(MainWindow& window);

    double TwipsPerPixelX() const override { return window_.TwipsPerPixel(); }
    double TwipsPerPixelY() const override { return window_.TwipsPerPixel(); }
    std::vector<ControlId> Controls() const override { return order_; }
    float Property(ControlId control, ControlProperty property) const override;
    void SetProperty(ControlId control, ControlProperty property, float value) override;
    void SetFontName(ControlId control, std::string_view face) override;
    float Width() const override;
    float Height() const override;
    void SetWidth(float twips) override;
    void SetHeight(float twips) override;
    float ClientWidth() const override;
    float ClientHeight() const override;
    void SetTapeVisible(bool visible) override;
    void SetBusinessRowVisible(bool visible) override;
    void SetMenuChecked(MenuId entry, bool checked) override;
    void SetMenuCaption(MenuId entry, const std::string& caption) override;
    void SetGrandTotalLabel(const std::string& text) override;

private:
    struct ControlState {
        bool hasGeometry = false;
        bool hasFont = false;
        float values[5] = {};  // indexed by ControlProperty
    };

    const ControlState& StateOf(ControlId control, ControlProperty property) const;
    QWidget& WidgetOf(ControlId control) const;
    float Twips(int pixels) const { return static_cast<float>(window_.Scale().Twips(pixels)); }

    MainWindow& window_;
    std::vector<ControlId> order_;
    std::map<std::pair<std::string, int>, ControlState> controls_;
};

}  // namespace reckora
