#pragma once
// The main window held in memory, built from the window description: the layout logic and the
// headless harness run against it, and tests inject failing steps into it.

#include <map>
#include <set>
#include <string>
#include <tuple>

#include "WindowModel.h"

namespace reckora {

class MemoryWindowModel : public WindowModel {
public:
    // nonClientWidth/Height: what border, title bar and menu bar add to the client area.
    MemoryWindowModel(double twipsPerPixel, float nonClientWidth, float nonClientHeight);

    double TwipsPerPixelX() const override { return twipsPerPixel_; }
    double TwipsPerPixelY() const override { return twipsPerPixel_; }
    std::vector<ControlId> Controls() const override;
    float Property(ControlId control, ControlProperty property) const override;
    void SetProperty(ControlId control, ControlProperty property, float value) override;
    void SetFontName(ControlId control, std::string_view face) override;
    float Width() const override;
    float Height() const override;
    void SetWidth(float twips) override;
    void SetHeight(float twips) override;
    float ClientWidth() const override { return clientWidth_; }
    float ClientHeight() const override { return clientHeight_; }
    void SetTapeVisible(bool visible) override { tapeVisible_ = visible; }
    void SetBusinessRowVisible(bool visible) override { businessRowVisible_ = visible; }
    void SetMenuChecked(MenuId entry, bool checked) override;
    void SetMenuCaption(MenuId entry, const std::string& caption) override {
        menuCaptions_[entry] = caption;
    }
    void SetGrandTotalLabel(const std::string& text) override { grandTotalLabel_ = text; }

    // Reading and writing this property of this control fails from now on.
    void FailProperty(ControlId control, ControlProperty property);
    // Setting the window's width or height fails from now on (a minimised window).
    void FailWindowSize() { windowSizeFails_ = true; }

    std::string FontName(ControlId control) const;
    bool TapeVisible() const { return tapeVisible_; }
    bool MenuChecked(MenuId entry) const;
    bool BusinessRowVisible() const { return businessRowVisible_; }
    // The caption last set, or the table's.
    std::string MenuCaption(MenuId entry) const;
    const std::string& GrandTotalLabel() const { return grandTotalLabel_; }
    int WidthChanges() const { return widthChanges_; }

private:
    struct ControlState {
        bool hasGeometry = false;
        bool hasFont = false;
        float values[5] = {};  // indexed by ControlProperty
        std::string fontName;
    };
    using Key = std::tuple<std::string, int>;

    const ControlState& StateOf(ControlId control, ControlProperty property) const;
    static Key KeyOf(ControlId control) { return {std::string(control.name), control.index}; }

    double twipsPerPixel_;
    float nonClientWidth_;
    float nonClientHeight_;
    float clientWidth_;
    float clientHeight_;
    bool tapeVisible_ = true;
    bool businessRowVisible_ = false;
    std::map<MenuId, std::string> menuCaptions_;
    std::string grandTotalLabel_;
    bool windowSizeFails_ = false;
    int widthChanges_ = 0;
    std::vector<ControlId> order_;
    std::map<Key, ControlState> controls_;
    std::map<MenuId, bool> menuChecked_;
    std::set<std::tuple<std::string, int, ControlProperty>> failing_;
};

}  // namespace reckora
