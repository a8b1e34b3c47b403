#pragma once
// The menu entries' handlers. The Edit/File entries hand their key's command index to the
// calculator (no pressed face, no test of their own); the window-level ones switch always on
// top, save or restore the settings, end the program or show the about window.

#include "InputPorts.h"
#include "MenuTable.h"
#include "Settings.h"
#include "SettingsPorts.h"

namespace reckora {

struct MenuPorts {
    KeyCommandTarget& calculator;
    AlwaysOnTopSwitch& onTop;
    Settings& settings;
    StandardHeight& layout;
    WindowUnloader& window;
    AboutWindowShower& about;
};

class MenuCommands {
public:
    explicit MenuCommands(const MenuPorts& ports) : ports_(ports) {}

    // The handler of a menu entry of the menu tree; entries without an action do nothing.
    void Run(const MenuAction& action);

    void m_New_Click();
    void m_Print_Click();
    void m_Exit_Click();
    void m_Copy_Click();
    void m_Paste_Click();
    void m_Undo_Click();
    void m_OnTop_Click();
    void m_ShowTape_Click();
    void m_SaveSettings_Click();
    void m_Default_Click();
    void m_About_Click();

private:
    MenuPorts ports_;
};

}  // namespace reckora
