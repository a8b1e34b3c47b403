// The window description holds together: every key once, names unique, keys without overlap,
// pictures and icons inside their boxes, every menu entry doing exactly one thing.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>

#include "ControlOrder.h"

namespace reckora {
namespace {

// Every key once, in index order; its picture fills its box exactly at 15 twips per pixel, and
// it has a name of its own for screen readers.
// The business keys' faces continue the numbers and stand below the keypad, within the width of
// the display (the window's width without the tape).
TEST(WindowTable, EveryKeyOnceWithItsPictureAndName) {
    ASSERT_EQ(Keys.size(), static_cast<std::size_t>(KeyCount));
    std::set<std::string_view> names;
    const Geometry display = FindControl({"C_Display", -1})->geometry;
    for (int i = 0; i < AllKeyCount; ++i) {
        ASSERT_NE(KeyDescriptionAt(i), nullptr) << i;
        const auto& key = *KeyDescriptionAt(i);
        EXPECT_EQ(key.index, i);
        if (i >= KeyCount) {
            EXPECT_GE(key.geometry.top, Keys[0].geometry.top + Keys[0].geometry.height) << i;
        }
        EXPECT_LE(key.geometry.left + key.geometry.width, display.left + display.width) << i;
        EXPECT_EQ(key.pictureWidth * 15, key.geometry.width) << "key " << key.index;
        EXPECT_EQ(key.pictureHeight * 15, key.geometry.height) << "key " << key.index;
        EXPECT_FALSE(key.accessibleName.empty()) << key.index;
        EXPECT_TRUE(names.insert(key.accessibleName).second) << key.accessibleName;
    }
}

// Controls are found by name and index: each pair once, and an array's indexes from 0 on without
// a gap.
TEST(WindowTable, ControlsAreUniqueAndArraysCompleteFromZero) {
    std::set<std::pair<std::string, int>> ids;
    std::map<std::string, std::set<int>> arrays;
    for (const auto& control : AllControls) {
        EXPECT_FALSE(control.name.empty());
        EXPECT_TRUE(ids.insert({std::string(control.name), control.index}).second)
            << control.name << "(" << control.index << ")";
        if (control.index >= 0) {
            arrays[std::string(control.name)].insert(control.index);
        }
    }
    for (const auto& [name, indexes] : arrays) {
        EXPECT_EQ(*indexes.begin(), 0) << name;
        EXPECT_EQ(*indexes.rbegin() + 1, static_cast<int>(indexes.size())) << name;
    }
    std::set<std::string> names;
    for (const auto& entry : MenuTree) {
        EXPECT_TRUE(names.insert(std::string(entry.name)).second) << entry.name;
    }
}

TEST(WindowTable, NoTwoKeysOverlap) {
    for (int first = 0; first < AllKeyCount; ++first) {
        for (int second = first + 1; second < AllKeyCount; ++second) {
            const KeyDescription& a = *KeyDescriptionAt(first);
            const KeyDescription& b = *KeyDescriptionAt(second);
            const Geometry& p = a.geometry;
            const Geometry& q = b.geometry;
            const bool apart = p.left + p.width <= q.left || q.left + q.width <= p.left ||
                               p.top + p.height <= q.top || q.top + q.height <= p.top;
            EXPECT_TRUE(apart) << "keys " << a.index << " and " << b.index;
        }
    }
}

TEST(WindowTable, IconShapesStayInsideTheirFaces) {
    for (const auto& key : Keys) {
        if (key.legend.kind != LegendKind::Icon) {
            continue;
        }
        for (const IconShape& shape : ShapesOf(key.legend.icon)) {
            int maxX = 0;
            int maxY = 0;
            switch (shape.kind) {
                case ShapeKind::FillRect:
                case ShapeKind::FrameRect:
                case ShapeKind::Arc:
                    maxX = shape.c[0] + shape.c[2];
                    maxY = shape.c[1] + shape.c[3];
                    break;
                case ShapeKind::Line: {
                    // A pen wider than one pixel grows right of a vertical line and below a
                    // horizontal one.
                    const int pen = std::max<int>(1, shape.c[4]);
                    maxX = std::max(shape.c[0], shape.c[2]) + (shape.c[0] == shape.c[2] ? pen : 1);
                    maxY = std::max(shape.c[1], shape.c[3]) + (shape.c[1] == shape.c[3] ? pen : 1);
                    break;
                }
                case ShapeKind::FillPolygon:
                case ShapeKind::OutlinePolygon:
                    ASSERT_GE(shape.pointCount, 3);
                    ASSERT_LE(shape.pointCount * 2, static_cast<int>(shape.c.size()));
                    for (int p = 0; p < shape.pointCount; ++p) {
                        maxX = std::max<int>(maxX, shape.c[static_cast<std::size_t>(2 * p)] + 1);
                        maxY =
                            std::max<int>(maxY, shape.c[static_cast<std::size_t>(2 * p + 1)] + 1);
                    }
                    break;
            }
            // The shadow takes the last two pixel columns and rows.
            EXPECT_LE(maxX, key.pictureWidth - ShadowWidth) << "key " << key.index;
            EXPECT_LE(maxY, key.pictureHeight - ShadowWidth) << "key " << key.index;
        }
    }
}

TEST(WindowTable, MenuEntriesHangOnTheBarAndDoOneThing) {
    std::vector<std::string_view> bar;
    for (const auto& entry : MenuTree) {
        EXPECT_EQ(MenuNamed(entry.name), entry.id) << entry.name << ": names must be unique";
        if (!entry.parent) {
            bar.push_back(entry.caption);
            continue;
        }
        // One level of submenus, on a menu of the bar; a submenu only holds entries.
        const MenuEntry& parent = MenuRow(*entry.parent);
        EXPECT_TRUE(!parent.parent || (parent.submenu && !MenuRow(*parent.parent).parent))
            << entry.name;
        if (entry.submenu) {
            EXPECT_EQ(entry.action, MenuAction{}) << entry.name;
        } else if (!entry.IsSeparator()) {
            const bool key = entry.action.key.has_value();
            const bool window = entry.action.window != WindowCommand::None;
            EXPECT_NE(key, window) << entry.name << " must do exactly one thing";
            // An entry that clicks a key is enabled with it and has its shortcut.
            EXPECT_EQ(key, entry.availability == MenuAvailability::FollowsKey) << entry.name;
            EXPECT_FALSE(key && entry.shortcut) << entry.name;
        }
    }
    EXPECT_EQ(bar.size(), 4u);
    EXPECT_FALSE(MenuNamed("m_4").has_value());
}

}  // namespace
}  // namespace reckora
