#pragma once
// In-memory stand-ins for the window's labels, option buttons, timer, undo controls, clipboard,
// beeper and layout: they hold what a real window would show, for the harness and the tests.

#include <cstdint>
#include <string>
#include <utility>

#include "EnginePorts.h"

namespace reckora::script {

class MemoryDisplay : public DisplayLabel {
public:
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    std::string Caption() const override { return caption_; }
    void SetForeColor(std::uint32_t rgbRedLow) override { color_ = rgbRedLow; }
    void RepaintNow() override {}
    std::uint32_t Color() const { return color_; }

private:
    std::string caption_ = "Hello";
    std::uint32_t color_ = 0;
};

class MemoryLabel : public CaptionLabel {
public:
    explicit MemoryLabel(std::string caption = {}) : caption_(std::move(caption)) {}
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    const std::string& Caption() const { return caption_; }

private:
    std::string caption_;
};

class MemoryOptionButtons : public RoundOptionButtons {
public:
    void ShowSelected(int index) override { selected_ = index; }
    int Selected() const { return selected_; }

private:
    int selected_ = -1;
};

class MemoryTimer : public DisplayTimer {
public:
    void SetInterval(int milliseconds) override { interval_ = milliseconds; }
    bool Armed() const { return interval_ > 0; }

private:
    int interval_ = 0;
};

class MemoryUndoControls : public UndoControls {
public:
    void ShowUndoAvailable(bool available) override { enabled_ = available; }
    bool Enabled() const { return enabled_; }

private:
    bool enabled_ = false;
};

class MemoryClipboard : public Clipboard {
public:
    void Clear() override { text_.clear(); }
    void SetText(const std::string& text) override { text_ = text; }
    std::string Text() override { return text_; }

private:
    std::string text_;
};

// Counts refusal signals: each is three tones.
class CountingBeeper : public Beeper {
public:
    void Beep(int, int) override { ++tones_; }
    int TakeSignals() {
        const int signals = tones_ / 3;
        tones_ -= signals * 3;
        return signals;
    }

private:
    int tones_ = 0;
};

class MemoryTapeLayout : public TapeLayout {
public:
    void ShowHideTape(bool visible) override { visible_ = visible; }
    bool Visible() const { return visible_; }

private:
    bool visible_ = false;
};

}  // namespace reckora::script
