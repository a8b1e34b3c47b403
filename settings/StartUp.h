#pragma once
// The main window's load handler: the order in which the calculator is brought into its working
// state before the window is first shown, and the switching on of NumLock.

#include "NumberLocale.h"

namespace reckora {

// The steps of start-up as the window provides them.
class StartUpSteps {
public:
    virtual ~StartUpSteps() = default;
    // The user's decimal (and grouping) separator, read once.
    virtual NumberLocale GetDecimalSeparator() = 0;
    // Memory label "0" + separator + blank, entry "0".
    virtual void StartEngine(const NumberLocale& locale) = 0;
    // Scales the window to the screen density and ends with its standard height.
    virtual void ScaleForScreen() = 0;
    // Reads the store and applies the settings.
    virtual void LoadSettings() = 0;
};

// The keyboard's NumLock state where the platform can read and set it.
class NumLockKeyboard {
public:
    virtual ~NumLockKeyboard() = default;
    virtual bool IsNumLockOn() = 0;
    virtual void SwitchNumLockOn() = 0;
};

// Switches NumLock on when it is off; nothing happens when it is on already.
void ForceNumLockOn(NumLockKeyboard& keyboard);

// The separator comes first and the entry is set before the settings select the rounding
// option, because the option's click handler re-shows the entry with that separator.
void Form_Load(StartUpSteps& steps, NumLockKeyboard& keyboard);

}  // namespace reckora
