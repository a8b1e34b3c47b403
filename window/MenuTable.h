#pragma once
// The menu tree of the main window: one row per entry, in menu order, keyed by MenuId: its object
// name, caption, separators, initial states, its own shortcut, and what it does - click a
// calculator key, or run a window command.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "KeyCommand.h"
#include "RoundingDirection.h"
#include "UserText.h"
#include "VirtualKey.h"

namespace reckora {

// Every menu entry, separators included, in menu order.
enum class MenuId : std::uint8_t {
    File,
    New,
    Print,
    SaveTapeAs,
    TapeHistory,
    FileSeparator,
    Exit,
    Edit,
    Copy,
    Paste,
    PasteColumn,
    CopyTape,
    SeparatorBeforeUndo,
    Undo,
    SeparatorAfterUndo,
    CorrectEntry,
    Note,
    Find,
    SeparatorBeforeBusiness,
    Business,
    GrandTotal,
    Subtotal,
    NonAdd,
    TaxPlus,
    TaxMinus,
    Cost,
    Sell,
    Margin,
    Options,
    AlwaysOnTop,
    ShowTape,
    KeepTape,
    SeparatorBeforeSaveSettings,
    SaveSettings,
    SeparatorBeforeDefault,
    RestoreDefault,
    SeparatorBeforeBusinessKeys,
    BusinessKeys,
    TaxRate,
    Rounding,
    RoundDesigned,
    RoundHalfUp,
    RoundUp,
    RoundDown,
    Help,
    About,
};

inline constexpr std::size_t MenuEntryCount = 46;

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
    BusinessKeys,
    TaxRate,
    Rounding,  // the direction the entry names
};

struct MenuAction {
    std::optional<Key> key;  // the key the entry clicks, without showing its face pressed
    WindowCommand window = WindowCommand::None;
    RoundingDirection rounding = RoundingDirection::Designed;  // for WindowCommand::Rounding

    friend constexpr bool operator==(const MenuAction&, const MenuAction&) = default;
};

constexpr MenuAction ClickKey(Key key) {
    return {key, WindowCommand::None};
}
constexpr MenuAction WindowAction(WindowCommand command) {
    return {std::nullopt, command};
}
constexpr MenuAction ChooseRounding(RoundingDirection direction) {
    return {std::nullopt, WindowCommand::Rounding, direction};
}

// When an entry can be clicked.
enum class MenuAvailability : std::uint8_t {
    Designed,      // as `enabled` says
    FollowsKey,    // with the key it clicks
    SelectedLine,  // while a tape line is selected
};

struct MenuEntry {
    MenuId id{};
    std::string_view name{};     // the object name: the widget's, and the key scripts' menu word
    std::string_view caption{};  // "&" marks the access letter; "-" is a separator line
    std::optional<MenuId> parent{};  // none: on the menu bar
    bool submenu = false;            // holds entries of its own and does nothing itself
    bool checkable = false;
    bool checked = false;  // initial tick
    bool enabled = true;   // initial state
    MenuAvailability availability = MenuAvailability::Designed;
    MenuAction action{};
    // The entry's own shortcut; an entry that clicks a key has the key's.
    std::optional<KeyStroke> shortcut{};
    bool captionNamesShortcut = true;  // the caption ends with the shortcut in brackets

    constexpr bool IsSeparator() const { return caption == "-"; }
};

constexpr MenuEntry Bar(MenuId id, std::string_view name, std::string_view caption) {
    return {.id = id, .name = name, .caption = caption};
}
constexpr MenuEntry Separator(MenuId id, std::string_view name, MenuId parent) {
    return {.id = id, .name = name, .caption = "-", .parent = parent};
}
constexpr MenuEntry Submenu(MenuId id, std::string_view name, std::string_view caption,
                            MenuId parent) {
    return {.id = id, .name = name, .caption = caption, .parent = parent, .submenu = true};
}
// An entry of the business functions: it clicks its key, which names the shortcut.
constexpr MenuEntry BusinessEntry(MenuId id, std::string_view name, std::string_view caption,
                                  Key key) {
    return {.id = id,
            .name = name,
            .caption = caption,
            .parent = MenuId::Business,
            .availability = MenuAvailability::FollowsKey,
            .action = ClickKey(key)};
}
// One of the exclusive rounding directions; the designed one is ticked at start.
constexpr MenuEntry RoundingEntry(MenuId id, std::string_view name, std::string_view caption,
                                  RoundingDirection direction) {
    return {.id = id,
            .name = name,
            .caption = caption,
            .parent = MenuId::Rounding,
            .checkable = true,
            .checked = direction == RoundingDirection::Designed,
            .action = ChooseRounding(direction),
            .captionNamesShortcut = false};
}

inline constexpr std::array<MenuEntry, MenuEntryCount> MenuTree{{
    Bar(MenuId::File, "m_File", RECKORA_USER_TEXT("&File")),
    {.id = MenuId::New,
     .name = "m_New",
     .caption = RECKORA_USER_TEXT("New    (Ctrl+N)"),
     .parent = MenuId::File,
     .availability = MenuAvailability::FollowsKey,
     .action = ClickKey(Key::New)},
    {.id = MenuId::Print,
     .name = "m_Print",
     .caption = RECKORA_USER_TEXT("Print    (Ctrl+P)"),
     .parent = MenuId::File,
     .availability = MenuAvailability::FollowsKey,
     .action = ClickKey(Key::PrintTape)},
    {.id = MenuId::SaveTapeAs,
     .name = "m_SaveAs",
     .caption = RECKORA_USER_TEXT("Save Tape As…    (Ctrl+S)"),
     .parent = MenuId::File,
     .action = WindowAction(WindowCommand::SaveTapeAs),
     .shortcut = Ctrl(VirtualKey::Letter('S'))},
    {.id = MenuId::TapeHistory,
     .name = "m_History",
     .caption = RECKORA_USER_TEXT("Tape History…"),
     .parent = MenuId::File,
     .action = WindowAction(WindowCommand::TapeHistory)},
    Separator(MenuId::FileSeparator, "m_1", MenuId::File),
    {.id = MenuId::Exit,
     .name = "m_Exit",
     .caption = RECKORA_USER_TEXT("Exit"),
     .parent = MenuId::File,
     .action = WindowAction(WindowCommand::Exit)},
    Bar(MenuId::Edit, "m_Edit", RECKORA_USER_TEXT("&Edit")),
    {.id = MenuId::Copy,
     .name = "m_Copy",
     .caption = RECKORA_USER_TEXT("Copy    (Ctrl+C)"),
     .parent = MenuId::Edit,
     .availability = MenuAvailability::FollowsKey,
     .action = ClickKey(Key::Copy)},
    {.id = MenuId::Paste,
     .name = "m_Paste",
     .caption = RECKORA_USER_TEXT("Paste    (Ctrl+V)"),
     .parent = MenuId::Edit,
     .availability = MenuAvailability::FollowsKey,
     .action = ClickKey(Key::Paste)},
    {.id = MenuId::PasteColumn,
     .name = "m_PasteColumn",
     .caption = RECKORA_USER_TEXT("Paste Column…    (Ctrl+Shift+V)"),
     .parent = MenuId::Edit,
     .action = WindowAction(WindowCommand::PasteColumn),
     .shortcut = CtrlShift(VirtualKey::Letter('V'))},
    {.id = MenuId::CopyTape,
     .name = "m_CopyTape",
     .caption = RECKORA_USER_TEXT("Copy Tape    (Ctrl+Shift+C)"),
     .parent = MenuId::Edit,
     .action = WindowAction(WindowCommand::CopyTape),
     .shortcut = CtrlShift(VirtualKey::Letter('C'))},
    Separator(MenuId::SeparatorBeforeUndo, "m_2", MenuId::Edit),
    {.id = MenuId::Undo,
     .name = "m_Undo",
     .caption = RECKORA_USER_TEXT("Undo    (Ctrl+Z)"),
     .parent = MenuId::Edit,
     .enabled = false,
     .availability = MenuAvailability::FollowsKey,
     .action = ClickKey(Key::Undo)},
    Separator(MenuId::SeparatorAfterUndo, "m_5", MenuId::Edit),
    {.id = MenuId::CorrectEntry,
     .name = "m_Correct",
     .caption = RECKORA_USER_TEXT("Correct Entry…"),
     .parent = MenuId::Edit,
     .enabled = false,
     .availability = MenuAvailability::SelectedLine,
     .action = WindowAction(WindowCommand::CorrectEntry)},
    {.id = MenuId::Note,
     .name = "m_Note",
     .caption = RECKORA_USER_TEXT("Note…"),
     .parent = MenuId::Edit,
     .enabled = false,
     .availability = MenuAvailability::SelectedLine,
     .action = WindowAction(WindowCommand::Note)},
    // Ctrl+F selects Floating Point, so Find takes Shift as well.
    {.id = MenuId::Find,
     .name = "m_Find",
     .caption = RECKORA_USER_TEXT("Find…    (Ctrl+Shift+F)"),
     .parent = MenuId::Edit,
     .action = WindowAction(WindowCommand::Find),
     .shortcut = CtrlShift(VirtualKey::Letter('F'))},
    // The functions of printing calculators, inside Edit so that the menu bar stays as designed.
    Separator(MenuId::SeparatorBeforeBusiness, "m_6", MenuId::Edit),
    Submenu(MenuId::Business, "m_Business", RECKORA_USER_TEXT("Business Functions"), MenuId::Edit),
    BusinessEntry(MenuId::GrandTotal, "m_GrandTotal",
                  RECKORA_USER_TEXT("Grand Total (GT)    (Ctrl+G)"), Key::GrandTotal),
    BusinessEntry(MenuId::Subtotal, "m_Subtotal", RECKORA_USER_TEXT("Subtotal (◇)    (Ctrl+Enter)"),
                  Key::Subtotal),
    BusinessEntry(MenuId::NonAdd, "m_NonAdd", RECKORA_USER_TEXT("Non-Add Number (#)    (Ctrl+I)"),
                  Key::NonAdd),
    BusinessEntry(MenuId::TaxPlus, "m_TaxPlus", RECKORA_USER_TEXT("Add Tax (Tax+)    (Ctrl+Plus)"),
                  Key::TaxPlus),
    BusinessEntry(MenuId::TaxMinus, "m_TaxMinus",
                  RECKORA_USER_TEXT("Remove Tax (Tax−)    (Ctrl+Minus)"), Key::TaxMinus),
    BusinessEntry(MenuId::Cost, "m_Cost", RECKORA_USER_TEXT("Cost    (Ctrl+K)"), Key::Cost),
    BusinessEntry(MenuId::Sell, "m_Sell", RECKORA_USER_TEXT("Selling Price    (Ctrl+L)"),
                  Key::Sell),
    BusinessEntry(MenuId::Margin, "m_Margin", RECKORA_USER_TEXT("Margin    (Ctrl+M)"), Key::Margin),
    Bar(MenuId::Options, "m_Options", RECKORA_USER_TEXT("&Options")),
    {.id = MenuId::AlwaysOnTop,
     .name = "m_OnTop",
     .caption = RECKORA_USER_TEXT("Always on top"),
     .parent = MenuId::Options,
     .checkable = true,
     .checked = true,
     .action = WindowAction(WindowCommand::AlwaysOnTop)},
    {.id = MenuId::ShowTape,
     .name = "m_ShowTape",
     .caption = RECKORA_USER_TEXT("Show Tape"),
     .parent = MenuId::Options,
     .checkable = true,
     .checked = true,
     .availability = MenuAvailability::FollowsKey,
     .action = ClickKey(Key::ShowHideTape),
     .captionNamesShortcut = false},
    {.id = MenuId::KeepTape,
     .name = "m_KeepTape",
     .caption = RECKORA_USER_TEXT("Keep Tape"),
     .parent = MenuId::Options,
     .checkable = true,
     .checked = true,
     .action = WindowAction(WindowCommand::KeepTape)},
    Separator(MenuId::SeparatorBeforeSaveSettings, "m_12", MenuId::Options),
    {.id = MenuId::SaveSettings,
     .name = "m_SaveSettings",
     .caption = RECKORA_USER_TEXT("Save Settings"),
     .parent = MenuId::Options,
     .action = WindowAction(WindowCommand::SaveSettings)},
    Separator(MenuId::SeparatorBeforeDefault, "m_3", MenuId::Options),
    {.id = MenuId::RestoreDefault,
     .name = "m_Default",
     .caption = RECKORA_USER_TEXT("Restore Default"),
     .parent = MenuId::Options,
     .action = WindowAction(WindowCommand::RestoreDefault)},
    // After the designed entries, which keep their places.
    Separator(MenuId::SeparatorBeforeBusinessKeys, "m_7", MenuId::Options),
    {.id = MenuId::BusinessKeys,
     .name = "m_BusinessKeys",
     .caption = RECKORA_USER_TEXT("Business Keys"),
     .parent = MenuId::Options,
     .checkable = true,
     .action = WindowAction(WindowCommand::BusinessKeys)},
    {.id = MenuId::TaxRate,
     .name = "m_TaxRate",
     .caption = RECKORA_USER_TEXT("Tax Rate…"),
     .parent = MenuId::Options,
     .action = WindowAction(WindowCommand::TaxRate)},
    Submenu(MenuId::Rounding, "m_Rounding", RECKORA_USER_TEXT("Rounding"), MenuId::Options),
    RoundingEntry(MenuId::RoundDesigned, "m_RoundDesigned", RECKORA_USER_TEXT("as designed"),
                  RoundingDirection::Designed),
    RoundingEntry(MenuId::RoundHalfUp, "m_RoundHalfUp", RECKORA_USER_TEXT("half up (5/4)"),
                  RoundingDirection::HalfUp),
    RoundingEntry(MenuId::RoundUp, "m_RoundUp", RECKORA_USER_TEXT("up"), RoundingDirection::Up),
    RoundingEntry(MenuId::RoundDown, "m_RoundDown", RECKORA_USER_TEXT("down"),
                  RoundingDirection::Down),
    Bar(MenuId::Help, "m_Help", RECKORA_USER_TEXT("&Help")),
    {.id = MenuId::About,
     .name = "m_About",
     .caption = RECKORA_USER_TEXT("About"),
     .parent = MenuId::Help,
     .action = WindowAction(WindowCommand::About)},
}};

// Every row sits at its id.
static_assert([] {
    for (std::size_t at = 0; at < MenuTree.size(); ++at) {
        if (static_cast<std::size_t>(MenuTree[at].id) != at) {
            return false;
        }
    }
    return true;
}());

constexpr const MenuEntry& MenuRow(MenuId id) {
    return MenuTree[static_cast<std::size_t>(id)];
}

// The entry with this object name; none for another name.
constexpr std::optional<MenuId> MenuNamed(std::string_view name) {
    for (const MenuEntry& entry : MenuTree) {
        if (entry.name == name) {
            return entry.id;
        }
    }
    return std::nullopt;
}

// The entry whose own shortcut is exactly this stroke.
constexpr std::optional<MenuId> MenuWithShortcut(KeyStroke stroke) {
    for (const MenuEntry& entry : MenuTree) {
        if (entry.shortcut == stroke) {
            return entry.id;
        }
    }
    return std::nullopt;
}

}  // namespace reckora
