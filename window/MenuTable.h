#pragma once
// The menu tree of the main window: captions, separators, initial states, and what each entry
// does - click a calculator key, or run a window command.

#include <array>
#include <optional>
#include <string_view>

#include "KeyCommand.h"
#include "UserText.h"

namespace reckora {

enum class WindowCommand {
    None,
    Exit,
    AlwaysOnTop,
    SaveSettings,
    RestoreDefault,
    About,
    SaveTapeAs,
    TapeHistory,
    CopyTape,
    KeepTape,
    CorrectEntry,
    Note,
    Find,
    PasteColumn,
};

struct MenuAction {
    std::optional<Key> key;  // the key the entry clicks, without showing its face pressed
    WindowCommand window = WindowCommand::None;

    friend constexpr bool operator==(const MenuAction&, const MenuAction&) = default;
};

constexpr MenuAction ClickKey(Key key) {
    return {key, WindowCommand::None};
}
constexpr MenuAction WindowAction(WindowCommand command) {
    return {std::nullopt, command};
}

struct MenuEntry {
    std::string_view name{};
    std::string_view caption{};  // "&" marks the access letter; "-" is a separator line
    std::string_view parent{};   // empty: on the menu bar
    bool checkable = false;
    bool checked = false;  // initial tick
    bool enabled = true;   // initial state
    MenuAction action{};

    constexpr bool IsSeparator() const { return caption == "-"; }
};

inline constexpr std::array<MenuEntry, 28> MenuTree{{
    {.name = "m_File", .caption = RECKORA_USER_TEXT("&File")},
    {.name = "m_New",
     .caption = RECKORA_USER_TEXT("New    (Ctrl+N)"),
     .parent = "m_File",
     .action = ClickKey(Key::New)},
    {.name = "m_Print",
     .caption = RECKORA_USER_TEXT("Print    (Ctrl+P)"),
     .parent = "m_File",
     .action = ClickKey(Key::PrintTape)},
    {.name = "m_SaveAs",
     .caption = RECKORA_USER_TEXT("Save Tape As…    (Ctrl+S)"),
     .parent = "m_File",
     .action = WindowAction(WindowCommand::SaveTapeAs)},
    {.name = "m_History",
     .caption = RECKORA_USER_TEXT("Tape History…"),
     .parent = "m_File",
     .action = WindowAction(WindowCommand::TapeHistory)},
    {.name = "m_1", .caption = "-", .parent = "m_File"},
    {.name = "m_Exit",
     .caption = RECKORA_USER_TEXT("Exit"),
     .parent = "m_File",
     .action = WindowAction(WindowCommand::Exit)},
    {.name = "m_Edit", .caption = RECKORA_USER_TEXT("&Edit")},
    {.name = "m_Copy",
     .caption = RECKORA_USER_TEXT("Copy    (Ctrl+C)"),
     .parent = "m_Edit",
     .action = ClickKey(Key::Copy)},
    {.name = "m_Paste",
     .caption = RECKORA_USER_TEXT("Paste    (Ctrl+V)"),
     .parent = "m_Edit",
     .action = ClickKey(Key::Paste)},
    {.name = "m_PasteColumn",
     .caption = RECKORA_USER_TEXT("Paste Column…    (Ctrl+Shift+V)"),
     .parent = "m_Edit",
     .action = WindowAction(WindowCommand::PasteColumn)},
    {.name = "m_CopyTape",
     .caption = RECKORA_USER_TEXT("Copy Tape    (Ctrl+Shift+C)"),
     .parent = "m_Edit",
     .action = WindowAction(WindowCommand::CopyTape)},
    {.name = "m_2", .caption = "-", .parent = "m_Edit"},
    {.name = "m_Undo",
     .caption = RECKORA_USER_TEXT("Undo    (Ctrl+Z)"),
     .parent = "m_Edit",
     .enabled = false,
     .action = ClickKey(Key::Undo)},
    {.name = "m_5", .caption = "-", .parent = "m_Edit"},
    {.name = "m_Correct",
     .caption = RECKORA_USER_TEXT("Correct Entry…"),
     .parent = "m_Edit",
     .enabled = false,
     .action = WindowAction(WindowCommand::CorrectEntry)},
    {.name = "m_Note",
     .caption = RECKORA_USER_TEXT("Note…"),
     .parent = "m_Edit",
     .enabled = false,
     .action = WindowAction(WindowCommand::Note)},
    {.name = "m_Find",
     .caption = RECKORA_USER_TEXT("Find…    (Ctrl+Shift+F)"),
     .parent = "m_Edit",
     .action = WindowAction(WindowCommand::Find)},
    {.name = "m_Options", .caption = RECKORA_USER_TEXT("&Options")},
    {.name = "m_OnTop",
     .caption = RECKORA_USER_TEXT("Always on top"),
     .parent = "m_Options",
     .checkable = true,
     .checked = true,
     .action = WindowAction(WindowCommand::AlwaysOnTop)},
    {.name = "m_ShowTape",
     .caption = RECKORA_USER_TEXT("Show Tape"),
     .parent = "m_Options",
     .checkable = true,
     .checked = true,
     .action = ClickKey(Key::ShowHideTape)},
    {.name = "m_KeepTape",
     .caption = RECKORA_USER_TEXT("Keep Tape"),
     .parent = "m_Options",
     .checkable = true,
     .checked = true,
     .action = WindowAction(WindowCommand::KeepTape)},
    {.name = "m_12", .caption = "-", .parent = "m_Options"},
    {.name = "m_SaveSettings",
     .caption = RECKORA_USER_TEXT("Save Settings"),
     .parent = "m_Options",
     .action = WindowAction(WindowCommand::SaveSettings)},
    {.name = "m_3", .caption = "-", .parent = "m_Options"},
    {.name = "m_Default",
     .caption = RECKORA_USER_TEXT("Restore Default"),
     .parent = "m_Options",
     .action = WindowAction(WindowCommand::RestoreDefault)},
    {.name = "m_Help", .caption = RECKORA_USER_TEXT("&Help")},
    {.name = "m_About",
     .caption = RECKORA_USER_TEXT("About"),
     .parent = "m_Help",
     .action = WindowAction(WindowCommand::About)},
}};

inline constexpr std::string_view ShowTapeMenuEntry = "m_ShowTape";
inline constexpr std::string_view UndoMenuEntry = "m_Undo";
inline constexpr std::string_view OnTopMenuEntry = "m_OnTop";
inline constexpr std::string_view KeepTapeMenuEntry = "m_KeepTape";
inline constexpr std::string_view CorrectMenuEntry = "m_Correct";
inline constexpr std::string_view NoteMenuEntry = "m_Note";

constexpr std::optional<MenuEntry> FindMenuEntry(std::string_view name) {
    for (const auto& entry : MenuTree) {
        if (entry.name == name) {
            return entry;
        }
    }
    return std::nullopt;
}

}  // namespace reckora
