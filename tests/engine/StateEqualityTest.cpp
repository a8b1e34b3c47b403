// Two states are the same exactly when they would be kept the same: the comparison by value
// agrees with the state text on every field.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "StateText.h"

namespace reckora {
namespace {

SavedState Busy() {
    SavedState state;
    state.engine.EntryText = "12.5";
    state.engine.EntryValue = 12.5;
    state.engine.RunningTotal = 40;
    state.engine.ItemCount = 3;
    state.engine.ChainOp = Operation::Multiply;
    state.engine.SelectedOption = 2;
    state.engine.UndoAvailable = true;
    state.engine.UndoSnapshot.RunningTotal = 30;
    state.shown = {"12.5 ", 0, "0. ", "3 "};
    return state;
}

TEST(StateEquality, EveryKeptFieldCountsAndTheTextAgrees) {
    const std::vector<std::function<void(SavedState&)>> changes{
        [](SavedState& s) { s.engine.EntryText = "12.50"; },
        [](SavedState& s) { s.engine.EntryValue = 12.25; },
        [](SavedState& s) { s.engine.LastValue = 1; },
        [](SavedState& s) { s.engine.RunningTotal = 41; },
        [](SavedState& s) { s.engine.ChainValue = 2; },
        [](SavedState& s) { s.engine.ItemCount = 4; },
        [](SavedState& s) { s.engine.ChainOp.reset(); },
        [](SavedState& s) { s.engine.MemoryValue = 7; },
        [](SavedState& s) { s.engine.ErrorState = true; },
        [](SavedState& s) { s.engine.PendingCaption = "40. "; },
        [](SavedState& s) { s.engine.TimerArmed = true; },
        [](SavedState& s) { s.engine.SelectedOption = 3; },
        [](SavedState& s) { s.engine.UndoAvailable = false; },
        [](SavedState& s) { s.engine.UndoTapeLines = 2; },
        [](SavedState& s) { s.engine.UndoSnapshot.EntryValue = 5; },
        [](SavedState& s) { s.engine.UndoSnapshot.ItemCount = 1; },
        [](SavedState& s) { s.engine.UndoSnapshot.ChainOp = Operation::Divide; },
        [](SavedState& s) { s.engine.UndoSnapshot.MemoryValue = 9; },
        [](SavedState& s) { s.shown.display = "12.5"; },
        [](SavedState& s) { s.shown.displayColor = 255; },
        [](SavedState& s) { s.shown.memory = "M "; },
        [](SavedState& s) { s.shown.counter = "4 "; },
        // A zero's sign is kept, so it counts.
        [](SavedState& s) { s.engine.LastValue = -0.0; },
    };
    for (std::size_t index = 0; index < changes.size(); ++index) {
        SCOPED_TRACE("change " + std::to_string(index));
        SavedState changed = Busy();
        changes[index](changed);
        EXPECT_FALSE(changed == Busy());
        EXPECT_NE(StateAsText(changed), StateAsText(Busy()));
    }
}

TEST(StateEquality, WhatIsNotKeptDoesNotCount) {
    SavedState hidden = Busy();
    hidden.engine.TapeVisible = false;
    EXPECT_EQ(hidden, Busy());
    SavedState notANumber = Busy();
    notANumber.engine.ChainValue = std::nan("");
    SavedState otherNotANumber = Busy();
    otherNotANumber.engine.ChainValue = std::nan("1");
    EXPECT_EQ(notANumber, otherNotANumber);
}

}  // namespace
}  // namespace reckora
