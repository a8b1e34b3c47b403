#include "StartUp.h"

namespace reckora {

void ForceNumLockOn(NumLockKeyboard& keyboard) {
    if (!keyboard.IsNumLockOn()) {
        keyboard.SwitchNumLockOn();
    }
}

void Form_Load(StartUpSteps& steps, NumLockKeyboard& keyboard) {
    const NumberLocale locale = steps.GetDecimalSeparator();
    steps.StartEngine(locale);
    steps.ScaleForScreen();
    steps.LoadSettings();
    ForceNumLockOn(keyboard);
}

}  // namespace reckora
