#pragma once
// What the keyboard mapping and the menu handlers need of the rest of the program: the
// calculator's command entry, the tape's paging, a question box, the about window, the layout's
// standard height and the end of the program. The platform layer and the key-script harness
// implement these; tests use fakes.

#include <string>

namespace reckora {

// The calculator as the keys and menus reach it (Calculator through CalculatorAdapter).
class KeyCommandTarget {
public:
    virtual ~KeyCommandTarget() = default;
    virtual void theButton_Click(int index) = 0;
    virtual bool IsUndoEnabled() const = 0;  // the Undo key (and its menu entry) is enabled
    virtual void SelectRoundOption(int option) = 0;
};

// CalcTape1's paging: true pages up, false pages down.
class TapePager {
public:
    virtual ~TapePager() = default;
    virtual void PageUpDown(bool up) = 0;
};

enum class QuestionAnswer { Ok, Cancel };

// A modal question with OK and Cancel, the question icon, and OK as the default button.
// Closing it any other way answers Cancel.
class QuestionBox {
public:
    virtual ~QuestionBox() = default;
    virtual QuestionAnswer AskOkCancel(const std::string& prompt, const std::string& title) = 0;
};

// Unloads the main window, which ends the program without saving anything.
class WindowUnloader {
public:
    virtual ~WindowUnloader() = default;
    virtual void Unload() = 0;
};

// Shows a fresh about window modally and returns when it is closed.
class AboutWindowShower {
public:
    virtual ~AboutWindowShower() = default;
    virtual void ShowAboutModal() = 0;
};

// The layout's SetStdHeight: the client area ends just below the key grid.
class StandardHeight {
public:
    virtual ~StandardHeight() = default;
    virtual void SetStdHeight() = 0;
};

}  // namespace reckora
