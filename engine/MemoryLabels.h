#pragma once
// The display, a caption label and the clipboard held in memory: what an engine writes to when no
// window shows it (a replay of the journal, the key-script harness, the tests).

#include <string>
#include <utility>

#include "EnginePorts.h"

namespace reckora {

class MemoryDisplay : public DisplayLabel {
public:
    explicit MemoryDisplay(std::string caption = {}) : caption_(std::move(caption)) {}
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    std::string Caption() const override { return caption_; }
    void SetForeColor(Rgb colour) override { color_ = colour; }
    void RepaintNow() override {}
    Rgb Color() const { return color_; }

private:
    std::string caption_;
    Rgb color_;
};

class MemoryLabel : public CaptionLabel {
public:
    explicit MemoryLabel(std::string caption = {}) : caption_(std::move(caption)) {}
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    const std::string& Caption() const { return caption_; }

private:
    std::string caption_;
};

class MemoryClipboard : public Clipboard {
public:
    void Clear() override { text_.clear(); }
    void SetText(const std::string& text) override { text_ = text; }
    std::string Text() override { return text_; }

private:
    std::string text_;
};

}  // namespace reckora
