// The window description holds together: every key once, names unique, keys on their grid
// without overlap, texts as designed, menu actions pointing at real commands.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>

#include "ControlOrder.h"

namespace reckora {
namespace {

TEST(WindowTable, EveryKeyIndexAppearsOnceInIndexOrder) {
    std::set<int> seen;
    for (std::size_t i = 0; i < Keys.size(); ++i) {
        EXPECT_EQ(Keys[i].index, static_cast<int>(i));
        seen.insert(Keys[i].index);
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kKeyCount));
}

TEST(WindowTable, ControlNamesAndIndexesAreUnique) {
    std::set<std::pair<std::string, int>> ids;
    for (const auto& control : AllControls) {
        EXPECT_FALSE(control.name.empty());
        EXPECT_TRUE(ids.insert({std::string(control.name), control.index}).second)
            << control.name << "(" << control.index << ")";
    }
    std::set<std::string> names;
    for (const auto& entry : MenuTree) {
        EXPECT_TRUE(names.insert(std::string(entry.name)).second) << entry.name;
    }
}

TEST(WindowTable, ArraysAreCompleteFromZero) {
    std::map<std::string, std::set<int>> arrays;
    for (const auto& control : AllControls) {
        if (control.index >= 0) {
            arrays[std::string(control.name)].insert(control.index);
        }
    }
    const std::map<std::string, int> sizes{
        {"theButton", 31}, {"RoundOpt", 7}, {"Label1", 7}, {"Picture1", 2}};
    ASSERT_EQ(arrays.size(), sizes.size());
    for (const auto& [name, size] : sizes) {
        const auto& indexes = arrays[name];
        ASSERT_EQ(static_cast<int>(indexes.size()), size) << name;
        EXPECT_EQ(*indexes.begin(), 0);
        EXPECT_EQ(*indexes.rbegin(), size - 1);
    }
}

// The layout of the keys as drawn: rows by Top, columns by Left; 15 spans three rows and 19
// two columns.
TEST(WindowTable, KeysSitOnTheDesignedGrid) {
    const int columns[] = {90, 810, 1410, 2010, 2730, 3330, 3930};
    const int rows[] = {600, 1080, 1680, 2280, 2880, 3480};
    const int grid[6][7] = {
        {-1, -1, -1, -1, 29, 28, 25}, {-1, -1, -1, -1, 23, 24, 30}, {10, 7, 8, 9, 14, 16, 20},
        {11, 4, 5, 6, 15, 17, 21},    {12, 1, 2, 3, 15, 18, 22},    {13, 0, 26, 27, 15, 19, 19},
    };
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 7; ++c) {
            const int index = grid[r][c];
            if (index < 0) {
                continue;
            }
            const Geometry& box = Keys[static_cast<std::size_t>(index)].geometry;
            EXPECT_LE(box.left, columns[c]) << "key " << index;
            EXPECT_GT(box.left + box.width, columns[c]) << "key " << index;
            EXPECT_LE(box.top, rows[r]) << "key " << index;
            EXPECT_GT(box.top + box.height, rows[r]) << "key " << index;
        }
    }
    EXPECT_EQ(Keys[15].geometry.height, 1770);
    EXPECT_EQ(Keys[19].geometry.width, 1170);
}

TEST(WindowTable, NoTwoKeysOverlap) {
    for (const auto& a : Keys) {
        for (const auto& b : Keys) {
            if (a.index >= b.index) {
                continue;
            }
            const Geometry& p = a.geometry;
            const Geometry& q = b.geometry;
            const bool apart = p.left + p.width <= q.left || q.left + q.width <= p.left ||
                               p.top + p.height <= q.top || q.top + q.height <= p.top;
            EXPECT_TRUE(apart) << "keys " << a.index << " and " << b.index;
        }
    }
}

// A picture fills its key box exactly at 15 twips per pixel.
TEST(WindowTable, PicturesFillTheirBoxesAtTheReferenceDensity) {
    for (const auto& key : Keys) {
        EXPECT_EQ(key.pictureWidth * 15, key.geometry.width) << "key " << key.index;
        EXPECT_EQ(key.pictureHeight * 15, key.geometry.height) << "key " << key.index;
    }
}

TEST(WindowTable, TooltipsAreTheDesignedTexts) {
    EXPECT_EQ(Keys[17].tooltip, "Multply");
    EXPECT_EQ(Keys[18].tooltip, "PerCent");
    EXPECT_EQ(Keys[21].tooltip, "Memory Subtract (Shift+ \"-\")");
    EXPECT_EQ(Keys[22].tooltip, "Memory Add (Shit+ \"+\")");
    EXPECT_EQ(Keys[25].tooltip, "Show \\ Hide Tape (Ctrl+Spacebar)");
    for (int index : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 27}) {
        EXPECT_TRUE(Keys[static_cast<std::size_t>(index)].tooltip.empty()) << index;
    }
    EXPECT_EQ(FindControl({"Frame1", -1})->tooltip, "Round \\ Input Option");
    EXPECT_EQ(FindControl({"RoundOpt", 5})->tooltip, "Auto Add 2 Decimal Places (Ctrl+A)");
    EXPECT_EQ(FindControl({"Label1", 6})->caption, "ADD2");
    EXPECT_EQ(FindControl({"RoundOpt", 6})->geometry, (Geometry{105, 390, 195, 192}));
    EXPECT_EQ(FindControl({"Label1", 0})->caption, "F");
}

TEST(WindowTable, EveryKeyHasAnAccessibleName) {
    std::set<std::string_view> names;
    for (const auto& key : Keys) {
        EXPECT_FALSE(key.accessibleName.empty()) << key.index;
        EXPECT_TRUE(names.insert(key.accessibleName).second) << key.accessibleName;
    }
}

TEST(WindowTable, FaceGroupsAsDesigned) {
    const std::map<FaceGroup, std::set<int>> groups{
        {FaceGroup::Number, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 26, 27}},
        {FaceGroup::Clear, {10, 11, 12, 13}},
        {FaceGroup::Memory, {20, 21, 22}},
        {FaceGroup::Subtract, {14}},
        {FaceGroup::Add, {15}},
        {FaceGroup::DivideMultiplyPercent, {16, 17, 18}},
        {FaceGroup::Total, {19}},
        {FaceGroup::Function, {23, 24, 25, 28, 29, 30}},
    };
    for (const auto& key : Keys) {
        EXPECT_TRUE(groups.at(key.group).contains(key.index)) << key.index;
        if (key.group == FaceGroup::Function) {
            EXPECT_EQ(key.legend.kind, LegendKind::Icon) << key.index;
        }
    }
    const FaceStyle& add = StyleOf(FaceGroup::Add);
    EXPECT_EQ(FacePixel(add, 0, 0), 0x800080u);
    EXPECT_EQ(FacePixel(add, 1, 0), 0x0000FFu);
    EXPECT_EQ(FacePixel(add, 1, 1), 0x800080u);
    const FaceStyle& divide = StyleOf(FaceGroup::DivideMultiplyPercent);
    EXPECT_EQ(FacePixel(divide, 0, 0), 0x0000FFu);
    EXPECT_EQ(FacePixel(divide, 0, 1), 0x8080FFu);
    EXPECT_EQ(StyleOf(FaceGroup::Total).face, 0x0000FFu);
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

TEST(WindowTable, MenuTreeAsDesigned) {
    std::vector<std::string_view> bar;
    for (const auto& entry : MenuTree) {
        if (entry.parent.empty()) {
            bar.push_back(entry.caption);
        } else {
            EXPECT_TRUE(FindMenuEntry(entry.parent).has_value()) << entry.name;
            EXPECT_TRUE(FindMenuEntry(entry.parent)->parent.empty()) << entry.name;
        }
        if (!entry.IsSeparator() && !entry.parent.empty()) {
            const bool key = entry.action.key.has_value();
            const bool window = entry.action.window != WindowCommand::None;
            EXPECT_NE(key, window) << entry.name << " must do exactly one thing";
        }
    }
    EXPECT_EQ(bar, (std::vector<std::string_view>{"&File", "&Edit", "&Options", "&Help"}));
    EXPECT_FALSE(FindMenuEntry("m_Undo")->enabled);
    EXPECT_TRUE(FindMenuEntry("m_OnTop")->checked);
    EXPECT_TRUE(FindMenuEntry("m_ShowTape")->checked);
    EXPECT_EQ(FindMenuEntry("m_New")->caption, "New    (Ctrl+N)");
    EXPECT_TRUE(FindMenuEntry("m_12")->IsSeparator());
}

TEST(WindowTable, UndoKeyStartsDisabledWithTheGreyedFace) {
    const auto undo = FindControl({"theButton", 30});
    ASSERT_TRUE(undo.has_value());
    EXPECT_FALSE(undo->enabled);
    EXPECT_EQ(Keys[30].legend.icon, KeyIcon::UndoGreyed);
    EXPECT_EQ(UndoFaceLegend(false).icon, KeyIcon::UndoGreyed);
    EXPECT_EQ(UndoFaceLegend(true).icon, KeyIcon::UndoActive);
    for (const auto& key : Keys) {
        if (key.index != 30) {
            EXPECT_TRUE(FindControl({"theButton", key.index})->enabled) << key.index;
        }
    }
}

}  // namespace
}  // namespace reckora
