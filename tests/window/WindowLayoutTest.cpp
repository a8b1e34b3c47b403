// The layout logic against the in-memory window: density scaling at 15, 12 and 20 twips per
// pixel, the standard height, the forced width with and without the tape, and failing steps.

#include <gtest/gtest.h>

#include "ControlOrder.h"
#include "Failure.h"
#include "MemoryWindowModel.h"
#include "WindowLayout.h"

namespace reckora {
namespace {

constexpr float NonClientWidth = 240;
constexpr float NonClientHeight = 690;

const ControlId Key0{"theButton", 0};
const ControlId Display{"C_Display", -1};
const ControlId Tape{"CalcTape1", -1};
const ControlId Memory{"LMem", -1};
const ControlId Counter{"LCounter", -1};

// A window at a density, scaled for its screen unless a test breaks steps of that first.
struct Window {
    explicit Window(double tpp, bool scaled = true)
        : model(tpp, NonClientWidth, NonClientHeight), layout(model) {
        if (scaled) {
            layout.ScaleForScreen();
        }
    }
    MemoryWindowModel model;
    WindowLayout layout;
};

TEST(WindowLayout, ReferenceDensityKeepsTheDesignAndGivesTheStandardHeight) {
    Window w(15);
    for (const ControlId& id : w.model.Controls()) {
        const auto design = FindControl(id);
        ASSERT_TRUE(design.has_value());
        if (!design->hasGeometry) {
            continue;
        }
        EXPECT_EQ(w.model.Property(id, ControlProperty::Left), design->geometry.left) << id.name;
        EXPECT_EQ(w.model.Property(id, ControlProperty::Top), design->geometry.top) << id.name;
        EXPECT_EQ(w.model.Property(id, ControlProperty::Width), design->geometry.width);
        EXPECT_EQ(w.model.Property(id, ControlProperty::Height), design->geometry.height);
        EXPECT_EQ(w.model.Property(id, ControlProperty::FontSize), design->font.size);
    }
    EXPECT_EQ(w.model.FontName(Memory), "MS Sans Serif");
    EXPECT_EQ(w.model.ClientHeight(), 4110);
    EXPECT_EQ(w.model.Height(), 4110 + NonClientHeight);
}

TEST(WindowLayout, DenserScreenShrinksEverythingAndUsesTheSmallIndicatorFace) {
    Window w(12);
    EXPECT_EQ(w.model.Property(Key0, ControlProperty::Top), 2784);
    EXPECT_EQ(w.model.Property(Key0, ControlProperty::Height), 456);
    EXPECT_EQ(w.model.ClientHeight(), 3300);
    EXPECT_FLOAT_EQ(w.model.Property(Display, ControlProperty::FontSize), 14.4f);
    EXPECT_FLOAT_EQ(w.model.Property({"Label1", 3}, ControlProperty::FontSize), 7.2f);
    EXPECT_FLOAT_EQ(w.model.Property(Tape, ControlProperty::FontSize), 9.0f);
    EXPECT_EQ(w.model.Property({"RoundOpt", 5}, ControlProperty::Left), 1608);  // in Frame1
    for (const ControlId& id : {Memory, Counter}) {
        EXPECT_EQ(w.model.FontName(id), "Areal");
        EXPECT_EQ(w.model.Property(id, ControlProperty::FontSize), 6);
    }
    w.layout.ShowTape(true);
    EXPECT_EQ(w.model.ClientWidth(), 3696 + 3180 + 60);
    w.layout.ShowTape(false);
    EXPECT_EQ(w.model.ClientWidth(), 72 + 3528 + 75);
}

TEST(WindowLayout, TwipsPerPixelRoundHalfToEven) {
    Window w(12.5);  // becomes 12: denser, so the indicators get the small face
    EXPECT_EQ(w.model.Property(Key0, ControlProperty::Top), 2784);
    EXPECT_EQ(w.model.FontName(Memory), "Areal");
    Window v(14.5);  // becomes 14
    EXPECT_EQ(v.model.Property(Key0, ControlProperty::Top), 3248);
    Window coarse(20);  // coarser: everything grows, the indicators keep their face
    EXPECT_EQ(coarse.model.Property(Key0, ControlProperty::Height), 760);
    EXPECT_EQ(coarse.model.FontName(Memory), "MS Sans Serif");
}

TEST(WindowLayout, WidthFitsTheTapeOrTheDisplay) {
    Window w(15);
    w.layout.ShowTape(true);
    EXPECT_EQ(w.model.ClientWidth(), 8655);
    EXPECT_TRUE(w.model.TapeVisible());
    EXPECT_TRUE(w.model.MenuChecked(MenuId::ShowTape));
    EXPECT_EQ(w.model.Property(Tape, ControlProperty::Height), 4110 - 45);

    w.layout.ShowTape(false);
    EXPECT_EQ(w.model.ClientWidth(), 4575);
    EXPECT_FALSE(w.model.TapeVisible());
    EXPECT_FALSE(w.model.MenuChecked(MenuId::ShowTape));

    w.layout.ShowTape(true);
    EXPECT_EQ(w.model.ClientWidth(), 8655);
    EXPECT_TRUE(w.model.MenuChecked(MenuId::ShowTape));
}

TEST(WindowLayout, ResizeSnapsTheWidthBackAndTheTapeFollowsTheHeight) {
    Window w(15);
    w.layout.ShowTape(true);
    w.model.SetWidth(12000);
    w.model.SetHeight(7000);
    w.layout.FitToSize();
    EXPECT_EQ(w.model.ClientWidth(), 8655);
    EXPECT_EQ(w.model.Height(), 7000);
    EXPECT_EQ(w.model.Property(Tape, ControlProperty::Height), 7000 - NonClientHeight - 45);
    EXPECT_EQ(w.model.Property(Key0, ControlProperty::Top), 3480);
}

TEST(WindowLayout, AFailingScalingStepIsSkippedAndTheRestRuns) {
    Window w(12, false);
    w.model.FailProperty(Display, ControlProperty::Left);
    w.model.FailProperty(Key0, ControlProperty::FontSize);
    w.layout.ScaleForScreen();
    EXPECT_EQ(w.model.Property(Display, ControlProperty::Top), 0);
    EXPECT_EQ(w.model.Property(Display, ControlProperty::Width), 3528);
    EXPECT_EQ(w.model.Property(Key0, ControlProperty::Top), 2784);
    EXPECT_EQ(w.model.ClientHeight(), 3300);
    // Without the standard height (key 0's top fails) scaling still goes on.
    Window v(12, false);
    v.model.FailProperty(Key0, ControlProperty::Top);
    v.layout.ScaleForScreen();  // nothing escapes
    EXPECT_EQ(v.model.Property(Key0, ControlProperty::Height), 456);
    EXPECT_EQ(v.model.ClientHeight(), 4125);
    EXPECT_THROW(v.layout.SetStandardHeight(), Failure);
}

TEST(WindowLayout, ResizeSkipsWhatFails) {
    Window w(15);
    w.layout.ShowTape(true);

    // A client area shorter than the gap below the tape: the tape keeps its height, the width
    // is still forced.
    w.model.SetHeight(NonClientHeight + 30);
    w.model.SetWidth(9999);
    w.layout.FitToSize();
    EXPECT_EQ(w.model.Property(Tape, ControlProperty::Height), 4065);
    EXPECT_EQ(w.model.ClientWidth(), 8655);

    // A minimised window rejects size changes: the tape height is still fitted.
    w.model.SetHeight(NonClientHeight + 3000);
    w.model.FailWindowSize();
    const int before = w.model.WidthChanges();
    EXPECT_NO_THROW(w.layout.ShowTape(false));
    EXPECT_EQ(w.model.WidthChanges(), before);
    EXPECT_EQ(w.model.Property(Tape, ControlProperty::Height), 3000 - 45);
    EXPECT_FALSE(w.model.MenuChecked(MenuId::ShowTape));

    // A tape whose height cannot be set: the width is still forced.
    Window v(15, false);
    v.model.FailProperty(Tape, ControlProperty::Height);
    v.layout.ShowTape(false);
    EXPECT_EQ(v.model.ClientWidth(), 4575);
}

}  // namespace
}  // namespace reckora
