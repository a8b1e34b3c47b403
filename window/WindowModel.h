#pragma once
// What the layout logic needs of the main window: the screen density, the controls with their
// positions, sizes and fonts by name, the window's outer and client size, the tape's and the
// business row's visibility, the menu ticks and the captions that follow the calculator. The Qt
// window implements it; tests use MemoryWindowModel. Any operation may throw Failure where the
// control has no such property or the window system rejects the value.

#include <string>
#include <string_view>
#include <vector>

#include "ControlDescription.h"
#include "MenuTable.h"

namespace reckora {

enum class ControlProperty { FontSize, Left, Top, Width, Height };

class WindowModel {
public:
    virtual ~WindowModel() = default;

    // Twips per screen pixel as the window system reports them (15 at 96 pixels per inch).
    virtual double TwipsPerPixelX() const = 0;
    virtual double TwipsPerPixelY() const = 0;

    // Every control, in the window's control order.
    virtual std::vector<ControlId> Controls() const = 0;

    // Positions and sizes in twips, font sizes in points.
    virtual float Property(ControlId control, ControlProperty property) const = 0;
    virtual void SetProperty(ControlId control, ControlProperty property, float value) = 0;
    virtual void SetFontName(ControlId control, std::string_view face) = 0;

    // The outer size of the window, including border, title bar and menu bar, in twips.
    virtual float Width() const = 0;
    virtual float Height() const = 0;
    virtual void SetWidth(float twips) = 0;
    virtual void SetHeight(float twips) = 0;

    // The size inside border, title bar and menu bar, in twips.
    virtual float ClientWidth() const = 0;
    virtual float ClientHeight() const = 0;

    virtual void SetTapeVisible(bool visible) = 0;
    // The business keys and the grand-total label under the keypad.
    virtual void SetBusinessRowVisible(bool visible) = 0;
    virtual void SetMenuChecked(MenuId entry, bool checked) = 0;
    // A menu entry's caption, translated; the grand-total label's text ("" while it is zero).
    virtual void SetMenuCaption(MenuId entry, const std::string& caption) = 0;
    virtual void SetGrandTotalLabel(const std::string& text) = 0;
};

}  // namespace reckora
