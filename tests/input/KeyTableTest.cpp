// The key table is the one place a key is named, placed and bound: every identity read from it
// leads back to the same key, and no stroke or menu shortcut is taken by something else.

#include <gtest/gtest.h>

#include "KeyBindings.h"
#include "KeyCommand.h"
#include "KeyTable.h"
#include "MenuTable.h"

namespace reckora {
namespace {

TEST(KeyTable, NameKeyPlaceAndStrokesLeadBackToTheKey) {
    for (const KeyRow& row : KeyRows) {
        const int place = KeyNumber(row.key);
        EXPECT_EQ(KeyNamed(row.name), row.key) << row.name;
        EXPECT_EQ(AnyKeyAt(place), row.key) << row.name;
        if (IsBusinessKey(row.key)) {
            EXPECT_FALSE(KeyAt(place).has_value())
                << row.name << ": no face of the designed window";
        } else {
            EXPECT_EQ(KeyAt(place), row.key) << row.name;
            EXPECT_EQ(Keys[static_cast<std::size_t>(place)].index, place) << row.name;
        }
        if (!row.word.empty()) {
            EXPECT_EQ(KeyWithWord(row.word), row.key) << row.word;
        }
        for (const KeyStroke& stroke : row.strokes) {
            if (stroke.code == 0) {
                continue;
            }
            const std::optional<KeyBinding> bound =
                LookUpKey(stroke.code, stroke.modifiers, CommaKey::Inert);
            ASSERT_TRUE(bound.has_value()) << row.name << " code " << stroke.code;
            EXPECT_EQ(bound->key, row.key) << row.name << " code " << stroke.code;
            EXPECT_NE(bound->action, KeyAction::Menu) << row.name << " code " << stroke.code;
        }
    }
    // Stable names and words are not numbers, which scripts and journals read as places.
    EXPECT_FALSE(KeyWithWord("5").has_value());
    EXPECT_FALSE(KeyNamed("clearall").has_value());
}

TEST(KeyTable, MenuShortcutsReachTheirEntries) {
    for (const MenuEntry& entry : MenuTree) {
        if (entry.shortcut) {
            const std::optional<KeyBinding> bound =
                LookUpKey(entry.shortcut->code, entry.shortcut->modifiers, CommaKey::Inert);
            ASSERT_TRUE(bound.has_value()) << entry.name;
            EXPECT_EQ(bound->action, KeyAction::Menu) << entry.name;
            EXPECT_EQ(bound->menu, entry.id) << entry.name;
        }
    }
}

}  // namespace
}  // namespace reckora
