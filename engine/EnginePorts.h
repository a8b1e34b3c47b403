#pragma once
// What the engine needs of the window: the labels, the clipboard and the tape as small
// interfaces, the one-call surroundings as functions. The Qt layer gives widgets, the harness and
// tests in-memory stand-ins. All are called on the window's one thread.

#include <cstdint>
#include <functional>
#include <string>

#include "Refusal.h"
#include "Rgb.h"
#include "RoundingOption.h"
#include "TapeMark.h"

namespace reckora {

// A label the engine writes a caption on (the memory and counter indicators).
class CaptionLabel {
public:
    virtual ~CaptionLabel() = default;
    virtual void SetCaption(const std::string& caption) = 0;
};

// The display label.
class DisplayLabel : public CaptionLabel {
public:
    virtual std::string Caption() const = 0;
    virtual void SetForeColor(Rgb colour) = 0;
    virtual void RepaintNow() = 0;
};

// The clipboard, plain text in UTF-8.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void Clear() = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual std::string Text() = 0;
};

// The paper tape as the engine uses it. AddLine may throw Failure (the tape's own overflow);
// PrintContent reports its own failures to the user and does not throw.
class PaperTape {
public:
    virtual ~PaperTape() = default;
    virtual void AddLine(const TapeEntry& entry) = 0;
    virtual void ClearAll() = 0;
    virtual void Redraw() = 0;
    virtual void PrintContent() = 0;
    virtual std::int32_t CurrentLine() const = 0;
    virtual void SetCurrentLine(std::int32_t lines) = 0;
};

struct EnginePorts {
    DisplayLabel& display;
    CaptionLabel& memory;
    CaptionLabel& counter;
    Clipboard& clipboard;
    PaperTape& tape;
    // The option buttons show which rounding/input option is selected.
    std::function<void(RoundingOption option)> showSelectedOption;
    // The display's blink timer: an interval of 100 starts the one-shot wait, 0 stops it. When
    // it fires the owner calls Calculator::OnBlinkTimeout.
    std::function<void(int milliseconds)> setBlinkInterval;
    // The Undo key's picture and enabled state and the Edit menu's Undo entry, switched together.
    std::function<void(bool available)> showUndoAvailable;
    // Sounds one tone; results are ignored.
    std::function<void(int frequencyHz, int durationMs)> beep;
    // Shows or hides the tape, ticks the Show Tape entry and lays the window out for it.
    std::function<void(bool visible)> showTape;
    // Says why a business function did nothing (after the three tones); may be empty.
    std::function<void(Refusal reason)> explain{};
};

}  // namespace reckora
