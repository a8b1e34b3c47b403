#include "MenuCommands.h"

#include <cstdint>

#include "KeyCommand.h"

namespace reckora {

void MenuCommands::Run(const MenuAction& action) {
    if (action.keyCommand >= 0) {
        ports_.calculator.theButton_Click(action.keyCommand);
        return;
    }
    switch (action.window) {
        case WindowCommand::None:
            return;
        case WindowCommand::Exit:
            m_Exit_Click();
            return;
        case WindowCommand::AlwaysOnTop:
            m_OnTop_Click();
            return;
        case WindowCommand::SaveSettings:
            m_SaveSettings_Click();
            return;
        case WindowCommand::RestoreDefault:
            m_Default_Click();
            return;
        case WindowCommand::About:
            m_About_Click();
            return;
    }
}

void MenuCommands::m_New_Click() {
    ports_.calculator.theButton_Click(KeyCommand::New);
}

void MenuCommands::m_Print_Click() {
    ports_.calculator.theButton_Click(KeyCommand::PrintTape);
}

// No question and nothing saved: only the Escape key asks first.
void MenuCommands::m_Exit_Click() {
    ports_.window.Unload();
}

void MenuCommands::m_Copy_Click() {
    ports_.calculator.theButton_Click(KeyCommand::Copy);
}

void MenuCommands::m_Paste_Click() {
    ports_.calculator.theButton_Click(KeyCommand::Paste);
}

void MenuCommands::m_Undo_Click() {
    ports_.calculator.theButton_Click(KeyCommand::Undo);
}

// The tick is the state; the store is only written by Save Settings.
void MenuCommands::m_OnTop_Click() {
    ports_.onTop.SetOnTopChecked(!ports_.onTop.OnTopChecked());
    ports_.onTop.SetAlwaysOnTop(ports_.onTop.OnTopChecked());
}

void MenuCommands::m_ShowTape_Click() {
    ports_.calculator.theButton_Click(KeyCommand::ShowHideTape);
}

void MenuCommands::m_SaveSettings_Click() {
    ports_.settings.SaveSettings();
}

// Height, top and left of 0 keep the window where and as large as it is; the store is left
// alone, so the next start brings the saved settings back.
void MenuCommands::m_Default_Click() {
    bool showTape = true;
    bool alwaysOnTop = true;
    std::int16_t roundOption = RoundOption::FloatingPoint;
    std::int32_t height = 0;
    std::int32_t top = 0;
    std::int32_t left = 0;
    ports_.settings.ApplySettings(showTape, alwaysOnTop, roundOption, height, top, left);
    ports_.layout.SetStdHeight();
}

void MenuCommands::m_About_Click() {
    ports_.about.ShowAboutModal();
}

}  // namespace reckora
