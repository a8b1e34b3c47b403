#pragma once
// The main window's key handlers: turn key presses (virtual-key code and modifier mask) into key
// commands with their pressed faces, rounding-option choices, tape paging or the exit question,
// and rest the faces again on release. A held key acts once: its repeats are ignored until some
// key is released or the window loses the keyboard focus.

#include <string>

#include "InputPorts.h"
#include "KeyFaces.h"

namespace reckora {

inline const std::string ExitQuestion = "Exit Reckora Calculator";

struct KeyboardPorts {
    KeyCommandTarget& calculator;
    KeyFaces& faces;
    TapePager& tape;
    QuestionBox& question;
    WindowUnloader& window;
    // The locale writes numbers with a decimal comma, which its keyboards carry on the comma key.
    bool commaIsDecimalSeparator = false;
};

class KeyboardMapping {
public:
    explicit KeyboardMapping(const KeyboardPorts& ports) : ports_(ports) {}

    // Every key press of the main window, auto-repeats included, before the focused control.
    // Codes are virtual-key codes; an int keeps any other code distinct instead of wrapping it
    // onto a real key.
    void Form_KeyDown(int KeyCode, int Shift);
    // Every key release; the modifiers are not examined.
    void Form_KeyUp(int KeyCode, int Shift);
    // The main window lost the keyboard focus: a release that goes to another window must not
    // leave its key blocked or its face pressed.
    void Form_LostFocus();

    int LastKeyDown() const { return LastKeyDown_; }
    // Whether the key means something to the mapping; such keys are not the focused control's.
    bool Handles(int KeyCode, int Shift) const;

private:
    void ConfirmExit();
    int KeyForTable(int KeyCode) const;

    KeyboardPorts ports_;
    int LastKeyDown_ = 0;
};

}  // namespace reckora
