#include "KeyboardMapping.h"

#include "FrmMainControls.h"
#include "KeyBindings.h"

namespace reckora {

void KeyboardMapping::Form_KeyDown(int KeyCode, int Shift) {
    if (KeyCode == LastKeyDown_) {
        return;
    }
    LastKeyDown_ = KeyCode;

    const std::optional<KeyResult> key = LookUpKey(KeyForTable(KeyCode), Shift);
    if (!key) {
        return;
    }
    switch (key->action) {
        case KeyAction::UndoCommand:
            if (!ports_.calculator.IsUndoEnabled()) {
                return;
            }
            [[fallthrough]];
        case KeyAction::Command:
            ports_.faces.Press(key->value);
            ports_.calculator.theButton_Click(key->value);
            return;
        case KeyAction::SelectOption:
            ports_.calculator.SelectRoundOption(key->value);
            return;
        case KeyAction::PageUp:
            ports_.tape.PageUpDown(true);
            return;
        case KeyAction::PageDown:
            ports_.tape.PageUpDown(false);
            return;
        case KeyAction::ConfirmExit:
            ConfirmExit();
            return;
    }
}

void KeyboardMapping::Form_KeyUp(int KeyCode, int /*Shift*/) {
    LastKeyDown_ = 0;
    ports_.faces.RestForReleasedKey(KeyForTable(KeyCode));
}

bool KeyboardMapping::Handles(int KeyCode, int Shift) const {
    return LookUpKey(KeyForTable(KeyCode), Shift).has_value();
}

// Where the decimal separator is a comma, the comma key is a second period key: it enters the
// separator and presses its face. The held-key check still tells the two keys apart.
int KeyboardMapping::KeyForTable(int KeyCode) const {
    if (ports_.commaIsDecimalSeparator && KeyCode == VirtualKey::OemComma) {
        return VirtualKey::OemPeriod;
    }
    return KeyCode;
}

void KeyboardMapping::Form_LostFocus() {
    LastKeyDown_ = 0;
    ports_.faces.RestAll();
}

// The question box takes the keyboard focus while it is open, so the Escape release goes to it;
// on return the window has lost the focus, with the same consequences as any focus loss. The
// box bears the main window's caption.
void KeyboardMapping::ConfirmExit() {
    const QuestionAnswer answer =
        ports_.question.AskOkCancel(ExitQuestion, std::string(FrmMain.caption));
    Form_LostFocus();
    if (answer == QuestionAnswer::Ok) {
        ports_.window.Unload();
    }
}

}  // namespace reckora
