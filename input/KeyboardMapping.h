#pragma once
// The main window's key handlers: turn key presses (virtual-key code and modifier mask) into key
// clicks with their pressed faces, rounding-option choices, tape paging or the exit question,
// and rest the faces again on release. A held key acts once: its repeats are ignored until some
// key is released or the window loses the keyboard focus.

#include <functional>
#include <string>
#include <string_view>

#include "InputPorts.h"
#include "KeyBindings.h"
#include "KeyCommand.h"
#include "KeyFaces.h"
#include "UserText.h"

namespace reckora {

// A character array, so that lupdate files the text under the context "reckora".
inline constexpr char ExitQuestion[] = RECKORA_USER_TEXT("Exit Reckora Calculator");

// What the keys reach.
struct KeyboardActions {
    std::function<void(Key key)> click;
    std::function<bool()> undoEnabled;  // the Undo key (and its menu entry) is enabled
    std::function<void(RoundingOption option)> selectOption;
    std::function<void()> pageUp;
    std::function<void()> pageDown;
    std::function<QuestionAnswer(const std::string& prompt, const std::string& title)> ask;
    // Closes the main window, which ends the program without saving anything.
    std::function<void()> closeWindow;
    // Runs a menu entry by its own shortcut (Save Tape As, Copy Tape).
    std::function<void(MenuId menu)> runMenu = {};
    // Moves the tape's selection: -1 up (older), +1 down.
    std::function<void(int step)> moveSelection = {};
};

class KeyboardMapping {
public:
    KeyboardMapping(KeyboardActions actions, KeyFaces& faces, CommaKey comma = CommaKey::Inert)
        : actions_(std::move(actions)), faces_(faces), comma_(comma) {}

    // Every key press of the main window, auto-repeats included, before the focused control.
    // Codes are virtual-key codes; an int keeps any other code distinct instead of wrapping it
    // onto a real key.
    void KeyDown(int code, int modifiers);
    // Every key release; the modifiers are not examined.
    void KeyUp(int code);
    // The main window lost the keyboard focus: a release that goes to another window must not
    // leave its key blocked or its face pressed.
    void FocusLost();

    int LastKeyDown() const { return lastKeyDown_; }
    // Whether the key means something to the mapping; such keys are not the focused control's.
    bool Handles(int code, int modifiers) const;

private:
    void ConfirmExit();

    KeyboardActions actions_;
    KeyFaces& faces_;
    CommaKey comma_;
    int lastKeyDown_ = 0;
};

}  // namespace reckora
