#pragma once
// The whole program around the main window: start-up in its fixed order, the keyboard with its
// key preview and key faces, the menu handlers, the settings store, the exit question, the
// about window and NumLock. The calculator window itself is built as the start-up's engine step.

#include <memory>
#include <optional>

#include "CalculatorAdapter.h"
#include "CalculatorWindow.h"
#include "InputPorts.h"
#include "KeyFaces.h"
#include "KeyboardMapping.h"
#include "MenuCommands.h"
#include "Settings.h"
#include "StartUp.h"

namespace reckora {

class KeyPreview;

struct CalculatorProgramOptions {
    CalculatorWindowOptions window;  // its locale is read by the start-up
    // Stand-ins for tests; the system's when null.
    NumLockKeyboard* numLock = nullptr;
    QuestionBox* question = nullptr;
    AboutWindowShower* about = nullptr;
    SettingsStore* settingsStore = nullptr;
};

class CalculatorProgram : private StartUpSteps {
public:
    explicit CalculatorProgram(CalculatorProgramOptions options = {});
    ~CalculatorProgram() override;
    CalculatorProgram(const CalculatorProgram&) = delete;
    CalculatorProgram& operator=(const CalculatorProgram&) = delete;

    // The main window's load handler: separator, engine, scaling, settings, NumLock. The window
    // is shown afterwards.
    void Form_Load();

    CalculatorWindow& Calculator() { return *calculator_; }
    MainWindow& Window() { return calculator_->Window(); }
    KeyboardMapping& Keyboard() { return *keyboard_; }
    KeyFaces& Faces() { return calculator_->Faces(); }
    MenuCommands& Menus() { return *menus_; }
    Settings& StoredSettings() { return *settings_; }

private:
    class Parts;

    NumberLocale GetDecimalSeparator() override;
    void StartEngine(const NumberLocale& locale) override;
    void ScaleForScreen() override;
    void LoadSettings() override;

    CalculatorProgramOptions options_;
    std::unique_ptr<CalculatorWindow> calculator_;
    std::unique_ptr<Parts> parts_;
    std::unique_ptr<KeyboardMapping> keyboard_;
    std::unique_ptr<Settings> settings_;
    std::unique_ptr<MenuCommands> menus_;
    std::unique_ptr<KeyPreview> preview_;
};

}  // namespace reckora
