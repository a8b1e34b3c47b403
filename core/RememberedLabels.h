#pragma once
// The window's labels as the engine writes them, remembering what they were last given, so that
// a kept tape can bring back exactly what the window showed.

#include <string>
#include <utility>

#include "EnginePorts.h"

namespace reckora {

class RememberedLabel final : public CaptionLabel {
public:
    RememberedLabel(CaptionLabel& label, std::string shown)
        : label_(label), caption_(std::move(shown)) {}
    void SetCaption(const std::string& caption) override {
        caption_ = caption;
        label_.SetCaption(caption);
    }
    const std::string& Caption() const { return caption_; }

private:
    CaptionLabel& label_;
    std::string caption_;
};

class RememberedDisplay final : public DisplayLabel {
public:
    explicit RememberedDisplay(DisplayLabel& display) : display_(display) {}
    void SetCaption(const std::string& caption) override { display_.SetCaption(caption); }
    std::string Caption() const override { return display_.Caption(); }
    void SetForeColor(Rgb colour) override {
        color_ = colour;
        display_.SetForeColor(colour);
    }
    void RepaintNow() override { display_.RepaintNow(); }
    Rgb ForeColor() const { return color_; }

private:
    DisplayLabel& display_;
    Rgb color_;
};

}  // namespace reckora
