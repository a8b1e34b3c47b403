#pragma once
// Every control of the main window in the window's control order - the controls of
// MainWindowControls, the keys, the business row, then the menu entries - and the design-time
// description of each.

#include <array>
#include <cstddef>
#include <optional>

#include "BusinessKeyTable.h"
#include "ControlDescription.h"
#include "KeyTable.h"
#include "MainWindowControls.h"
#include "MenuTable.h"

namespace reckora {

inline constexpr std::size_t ControlCount =
    MainWindowControls.size() + Keys.size() + BusinessKeyFaces.size() + 1 + MenuTree.size();

constexpr ControlDescription KeyControl(const KeyDescription& key) {
    return {.name = KeyArrayName,
            .index = key.index,
            .kind = ControlKind::Key,
            .geometry = key.geometry,
            .tooltip = key.tooltip,
            .backColour = HasWhiteKeyBackground(key) ? RgbColour(White)
                                                     : System(SystemColour::WindowBackground),
            .visible = key.index < KeyCount,
            .enabled = key.index != UndoKey};
}

constexpr ControlDescription MenuControl(const MenuEntry& entry) {
    return {.name = entry.name,
            .kind = ControlKind::MenuEntry,
            .hasGeometry = false,
            .caption = entry.caption,
            .hasFont = false,
            .enabled = entry.enabled};
}

namespace detail {

constexpr std::array<ControlDescription, ControlCount> BuildControlOrder() {
    std::array<ControlDescription, ControlCount> all{};
    std::size_t next = 0;
    for (const auto& control : MainWindowControls) {
        all[next++] = control;
    }
    for (const auto& key : Keys) {
        all[next++] = KeyControl(key);
    }
    for (const auto& key : BusinessKeyFaces) {
        all[next++] = KeyControl(key);
    }
    all[next++] = GrandTotalLabel;
    for (const auto& entry : MenuTree) {
        all[next++] = MenuControl(entry);
    }
    return all;
}

}  // namespace detail

inline constexpr std::array<ControlDescription, ControlCount> AllControls =
    detail::BuildControlOrder();

constexpr std::optional<ControlDescription> FindControl(ControlId id) {
    for (const auto& control : AllControls) {
        if (control.name == id.name && control.index == id.index) {
            return control;
        }
    }
    return std::nullopt;
}

}  // namespace reckora
