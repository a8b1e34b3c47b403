#pragma once
// The display, memory and counter labels as the calculator writes them, each remembering what it
// was last given: what the window shows is then part of the calculator's state, which a kept
// tape brings back exactly, and nothing beside the calculator has to remember it.

#include <string>
#include <utility>

#include "EnginePorts.h"
#include "StateText.h"

namespace reckora {

class ShownLabels {
public:
    // The counter shows "0 " until it is first written, as the window is designed.
    ShownLabels(DisplayLabel& display, CaptionLabel& memory, CaptionLabel& counter)
        : display_(display), memory_(memory, ""), counter_(counter, "0 ") {}
    ShownLabels(const ShownLabels&) = delete;
    ShownLabels& operator=(const ShownLabels&) = delete;

    DisplayLabel& Display() { return display_; }
    CaptionLabel& Memory() { return memory_; }
    CaptionLabel& Counter() { return counter_; }
    // The display's caption is read back from the label, as the calculator reads it itself.
    ShownCaptions Captions() const {
        return {display_.Caption(), display_.color, memory_.caption, counter_.caption};
    }

private:
    struct Remembered final : CaptionLabel {
        Remembered(CaptionLabel& to, std::string shown) : label(to), caption(std::move(shown)) {}
        void SetCaption(const std::string& given) override {
            caption = given;
            label.SetCaption(given);
        }
        CaptionLabel& label;
        std::string caption;
    };
    struct RememberedDisplay final : DisplayLabel {
        explicit RememberedDisplay(DisplayLabel& to) : label(to) {}
        void SetCaption(const std::string& caption) override { label.SetCaption(caption); }
        std::string Caption() const override { return label.Caption(); }
        void SetForeColor(Rgb colour) override {
            color = colour;
            label.SetForeColor(colour);
        }
        void RepaintNow() override { label.RepaintNow(); }
        DisplayLabel& label;
        Rgb color;
    };

    RememberedDisplay display_;
    Remembered memory_;
    Remembered counter_;
};

}  // namespace reckora
