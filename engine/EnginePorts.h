#pragma once
// What the engine needs of the window: small interfaces the Qt layer implements with widgets
// and the key-script harness and tests implement in memory. All are called on the window's
// one thread.

#include <cstdint>
#include <string>

namespace reckora {

// A label the engine writes a caption on (the memory and counter indicators).
class CaptionLabel {
public:
    virtual ~CaptionLabel() = default;
    virtual void SetCaption(const std::string& caption) = 0;
};

// The display label C_Display.
class DisplayLabel : public CaptionLabel {
public:
    virtual std::string Caption() const = 0;
    virtual void SetForeColor(std::uint32_t rgbRedLow) = 0;  // 0 black, 255 red
    virtual void RepaintNow() = 0;
};

// The RoundOpt option buttons as the user sees them; the engine holds which one is selected.
class RoundOptionButtons {
public:
    virtual ~RoundOptionButtons() = default;
    virtual void ShowSelected(int index) = 0;
};

// Timer1: an interval of 100 starts the one-shot wait, 0 stops it. When it fires the platform
// calls Calculator::Timer1_Timer.
class DisplayTimer {
public:
    virtual ~DisplayTimer() = default;
    virtual void SetInterval(int milliseconds) = 0;
};

// Key 30's picture and enabled state and the Edit menu's Undo entry, switched together.
class UndoControls {
public:
    virtual ~UndoControls() = default;
    virtual void ShowUndoAvailable(bool available) = 0;
};

// The clipboard, plain text in UTF-8.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void Clear() = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual std::string Text() = 0;
};

// Sounds one tone; results are ignored.
class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void Beep(int frequencyHz, int durationMs) = 0;
};

// The window layout: shows or hides the tape and ticks the Show Tape menu entry.
class TapeLayout {
public:
    virtual ~TapeLayout() = default;
    virtual void ShowHideTape(bool visible) = 0;
};

// The paper tape as the engine uses it. AddDataLine may throw Failure (the tape's own
// overflow); PrintContent reports its own failures to the user and does not throw.
class PaperTape {
public:
    virtual ~PaperTape() = default;
    virtual void AddDataLine(const std::string& NumStr, std::int32_t Op, bool CLR) = 0;
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
    RoundOptionButtons& options;
    DisplayTimer& timer;
    UndoControls& undo;
    Clipboard& clipboard;
    Beeper& beeper;
    TapeLayout& layout;
    PaperTape& tape;
};

}  // namespace reckora
