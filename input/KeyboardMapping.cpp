#include "KeyboardMapping.h"

#include "KeyBindings.h"
#include "MainWindowControls.h"

namespace reckora {

void KeyboardMapping::KeyDown(int code, int modifiers) {
    if (code == lastKeyDown_) {
        return;
    }
    lastKeyDown_ = code;

    const std::optional<KeyBinding> key = LookUpKey(code, modifiers, comma_);
    if (!key) {
        return;
    }
    switch (key->action) {
        case KeyAction::UndoCommand:
            if (!actions_.undoEnabled()) {
                return;
            }
            [[fallthrough]];
        case KeyAction::Command:
            faces_.Press(key->key);
            actions_.click(key->key);
            return;
        case KeyAction::SelectOption:
            actions_.selectOption(key->option);
            return;
        case KeyAction::PageUp:
            actions_.pageUp();
            return;
        case KeyAction::PageDown:
            actions_.pageDown();
            return;
        case KeyAction::ConfirmExit:
            ConfirmExit();
            return;
        case KeyAction::Menu:
            if (actions_.runMenu) {
                actions_.runMenu(key->menu);
            }
            return;
        case KeyAction::MoveSelection:
            if (actions_.moveSelection) {
                actions_.moveSelection(key->step);
            }
            return;
    }
}

void KeyboardMapping::KeyUp(int code) {
    lastKeyDown_ = 0;
    faces_.RestForReleasedKey(code);
}

bool KeyboardMapping::Handles(int code, int modifiers) const {
    return LookUpKey(code, modifiers, comma_).has_value();
}

void KeyboardMapping::FocusLost() {
    lastKeyDown_ = 0;
    faces_.RestAll();
}

// The question box takes the keyboard focus while it is open, so the Escape release goes to it;
// on return the window has lost the focus, with the same consequences as any focus loss. The
// box bears the main window's caption.
void KeyboardMapping::ConfirmExit() {
    const QuestionAnswer answer =
        actions_.ask(ExitQuestion, std::string(MainWindowDescription.caption));
    FocusLost();
    if (answer == QuestionAnswer::Ok) {
        actions_.closeWindow();
    }
}

}  // namespace reckora
