#pragma once
// The calculator as the harness runs it: the engine and the tape behind in-memory stand-ins for
// the window, started as after a first start with an empty settings store.

#include <memory>
#include <string>
#include <vector>

#include "Calculator.h"
#include "HeadlessWindow.h"
#include "NumberLocale.h"

namespace reckora {
class CalcTape;
class MemoryScrollBar;
class RecordingPrintService;
class RecordingSurface;
}  // namespace reckora

namespace reckora::script {

class HeadlessTapeParts;
class HeadlessKeyboard;

struct SessionOptions {
    // Keep the tape's drawn picture (for checks against a full replay); otherwise the surface
    // only counts what is drawn.
    bool keepTapePicture = false;
};

class ScriptSession {
public:
    explicit ScriptSession(const NumberLocale& locale, SessionOptions options = {});
    ~ScriptSession();

    // The key command dispatch; fires the display timer afterwards when asked to.
    void Key(int index, bool fireTimer);
    void Tick();
    void SelectOption(int option);
    void SetClipboard(const std::string& text);

    // The visible state as one JSON line; beeps and messages count from the previous dump.
    std::string Dump();

    // A message box was shown with this text.
    void NoteMessage(const std::string& text) { messages_.push_back(text); }

    Calculator& Engine() { return *calculator_; }
    CalcTape& Tape();
    RecordingSurface& TapeSurface();
    MemoryScrollBar& TapeScrollBar();
    RecordingPrintService& TapePrinting();
    HeadlessKeyboard& Keyboard() { return *keyboard_; }
    MemoryDisplay& Display() { return display_; }
    CountingBeeper& Beeps() { return beeper_; }

private:
    // The key faces shown pressed, ascending, as a JSON list body.
    std::string PressedFacesJson() const;

    MemoryDisplay display_;
    MemoryLabel memory_;
    MemoryLabel counter_{"0 "};
    MemoryOptionButtons options_;
    MemoryTimer timer_;
    MemoryUndoControls undo_;
    MemoryClipboard clipboard_;
    CountingBeeper beeper_;
    MemoryTapeLayout layout_;
    std::unique_ptr<HeadlessTapeParts> tapeParts_;
    std::unique_ptr<Calculator> calculator_;
    std::unique_ptr<HeadlessKeyboard> keyboard_;
    std::vector<std::string> messages_;
};

}  // namespace reckora::script
