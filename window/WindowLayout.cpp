#include "WindowLayout.h"

#include <cmath>
#include <cstdint>
#include <functional>

#include "BusinessKeyTable.h"
#include "ControlOrder.h"
#include "Failure.h"
#include "KeyTable.h"
#include "MenuTable.h"

namespace reckora {

namespace {

const ControlId Key0{KeyArrayName, 0};
const ControlId Display{"C_Display", -1};
const ControlId Tape{"CalcTape1", -1};
const ControlId Memory{"LMem", -1};
const ControlId Counter{"LCounter", -1};
const ControlId GrandTotal{GrandTotalLabelName, -1};

double Bottom(const WindowModel& window, ControlId control) {
    return static_cast<double>(window.Property(control, ControlProperty::Top)) +
           window.Property(control, ControlProperty::Height);
}

// Twips per pixel as a whole number, rounded to nearest with halves to even.
std::int16_t WholeTwipsPerPixel(double twipsPerPixel) {
    return static_cast<std::int16_t>(std::nearbyint(twipsPerPixel));
}

// Runs one step of a procedure that skips what fails and goes on with the next.
void Skippable(const std::function<void()>& step) {
    try {
        step();
    } catch (const Failure&) {
    }
}

void Scale(WindowModel& window, ControlId control, ControlProperty property, int tpp) {
    Skippable([&] {
        const double scaled = static_cast<double>(window.Property(control, property)) * tpp /
                              LayoutMargin::ReferenceTwipsPerPixel;
        window.SetProperty(control, property, static_cast<float>(scaled));
    });
}

// Menu entries and the timer have neither a place nor a font: each of their properties would be
// refused, and the 120 refusals (each a thrown and caught exception) cost every start more than
// three times what the scaling itself does.
bool HasNothingToScale(ControlId control) {
    const std::optional<ControlDescription> description = FindControl(control);
    return description && !description->hasGeometry && !description->hasFont;
}

}  // namespace

void WindowLayout::ScaleForScreen() {
    const std::int16_t tppY = WholeTwipsPerPixel(window_.TwipsPerPixelY());
    const std::int16_t tppX = WholeTwipsPerPixel(window_.TwipsPerPixelX());

    std::vector<ControlId> controls;
    Skippable([&] { controls = window_.Controls(); });
    for (const ControlId& control : controls) {
        if (HasNothingToScale(control)) {
            continue;
        }
        Scale(window_, control, ControlProperty::FontSize, tppY);
        Scale(window_, control, ControlProperty::Left, tppX);
        Scale(window_, control, ControlProperty::Top, tppY);
        Scale(window_, control, ControlProperty::Width, tppX);
        Scale(window_, control, ControlProperty::Height, tppY);
    }

    if (tppY < LayoutMargin::ReferenceTwipsPerPixel) {
        Skippable([&] { window_.SetFontName(Memory, DenseIndicatorFontName); });
        Skippable([&] { window_.SetFontName(Counter, DenseIndicatorFontName); });
        Skippable([&] {
            window_.SetProperty(Memory, ControlProperty::FontSize,
                                LayoutMargin::DenseIndicatorFontSize);
        });
        Skippable([&] {
            window_.SetProperty(Counter, ControlProperty::FontSize,
                                LayoutMargin::DenseIndicatorFontSize);
        });
    }

    Skippable([&] { SetStandardHeight(); });
}

void WindowLayout::SetStandardHeight() {
    const double nonClientHeight =
        static_cast<double>(window_.Height()) - static_cast<double>(window_.ClientHeight());
    const double keys = Bottom(window_, Key0) + (businessKeysShown_ ? BusinessRowHeight() : 0);
    window_.SetHeight(static_cast<float>(nonClientHeight + keys + LayoutMargin::BelowKeys));
}

double WindowLayout::BusinessRowHeight() const {
    return Bottom(window_, GrandTotal) - Bottom(window_, Key0);
}

void WindowLayout::ShowBusinessKeys(bool shown) {
    Skippable([&] { window_.SetMenuChecked(MenuId::BusinessKeys, shown); });
    if (shown == businessKeysShown_) {
        return;
    }
    businessKeysShown_ = shown;
    window_.SetBusinessRowVisible(shown);
    Skippable([&] {
        const double row = BusinessRowHeight();
        window_.SetHeight(static_cast<float>(window_.Height() + (shown ? row : -row)));
    });
}

void WindowLayout::FitToSize() {
    Skippable([&] {
        const double tapeHeight =
            static_cast<double>(window_.ClientHeight()) - LayoutMargin::BelowTape;
        window_.SetProperty(Tape, ControlProperty::Height, static_cast<float>(tapeHeight));
    });
    Skippable([&] {
        const double nonClientWidth =
            static_cast<double>(window_.Width()) - static_cast<double>(window_.ClientWidth());
        double width = 0;
        if (tapeVisible_) {
            width = static_cast<double>(window_.Property(Tape, ControlProperty::Left)) +
                    window_.Property(Tape, ControlProperty::Width) + nonClientWidth +
                    LayoutMargin::RightOfTape;
        } else {
            width = static_cast<double>(window_.Property(Display, ControlProperty::Left)) +
                    window_.Property(Display, ControlProperty::Width) + nonClientWidth +
                    LayoutMargin::RightOfDisplay;
        }
        window_.SetWidth(static_cast<float>(width));
    });
}

void WindowLayout::ShowTape(bool visible) {
    tapeVisible_ = visible;
    window_.SetTapeVisible(visible);
    window_.SetMenuChecked(MenuId::ShowTape, visible);
    FitToSize();
}

}  // namespace reckora
