#pragma once
// How the tape hands the keyboard focus back to the main window: the tape's scroll bar must
// never keep it, so that every key stroke keeps reaching the calculator.

namespace reckora {

class MainWindowFocus {
public:
    virtual ~MainWindowFocus() = default;
    virtual void GiveFocusToMainWindow() = 0;
};

}  // namespace reckora
