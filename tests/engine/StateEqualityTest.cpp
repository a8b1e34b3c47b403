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
    state.engine.entryText = "12.5";
    state.engine.entryValue = 12.5;
    state.engine.runningTotal = 40;
    state.engine.itemCount = 3;
    state.engine.chainOp = Operation::Multiply;
    state.engine.selectedOption = RoundingOption::Decimals2;
    state.engine.undoAvailable = true;
    state.engine.undoSnapshot.runningTotal = 30;
    state.shown = {"12.5 ", DisplayBlack, "0. ", "3 "};
    return state;
}

TEST(StateEquality, EveryKeptFieldCountsAndTheTextAgrees) {
    const std::vector<std::function<void(SavedState&)>> changes{
        [](SavedState& s) { s.engine.entryText = "12.50"; },
        [](SavedState& s) { s.engine.entryValue = 12.25; },
        [](SavedState& s) { s.engine.lastValue = 1; },
        [](SavedState& s) { s.engine.runningTotal = 41; },
        [](SavedState& s) { s.engine.chainValue = 2; },
        [](SavedState& s) { s.engine.itemCount = 4; },
        [](SavedState& s) { s.engine.chainOp.reset(); },
        [](SavedState& s) { s.engine.memoryValue = 7; },
        [](SavedState& s) { s.engine.errorState = true; },
        [](SavedState& s) { s.engine.pendingCaption = "40. "; },
        [](SavedState& s) { s.engine.timerArmed = true; },
        [](SavedState& s) { s.engine.selectedOption = RoundingOption::Decimals3; },
        [](SavedState& s) { s.engine.undoAvailable = false; },
        [](SavedState& s) { s.engine.undoTapeLines = 2; },
        [](SavedState& s) { s.engine.undoSnapshot.entryValue = 5; },
        [](SavedState& s) { s.engine.undoSnapshot.itemCount = 1; },
        [](SavedState& s) { s.engine.undoSnapshot.chainOp = Operation::Divide; },
        [](SavedState& s) { s.engine.undoSnapshot.memoryValue = 9; },
        [](SavedState& s) { s.shown.display = "12.5"; },
        [](SavedState& s) { s.shown.displayColor = DisplayRed; },
        [](SavedState& s) { s.shown.memory = "M "; },
        [](SavedState& s) { s.shown.counter = "4 "; },
        [](SavedState& s) { s.engine.grandTotal = 8; },
        [](SavedState& s) { s.engine.grandTotalCount = 1; },
        [](SavedState& s) { s.engine.priceFigure = PriceFigure::Sell; },
        [](SavedState& s) { s.engine.priceValue = 3; },
        [](SavedState& s) { s.engine.entryValueBeforeTyping = 3; },
        [](SavedState& s) { s.engine.lastValueBeforeTyping = 3; },
        [](SavedState& s) { s.engine.taxRate = 19; },
        [](SavedState& s) { s.engine.roundingDirection = RoundingDirection::Down; },
        [](SavedState& s) { s.engine.undoSnapshot.grandTotal = 2; },
        [](SavedState& s) { s.engine.undoSnapshot.grandTotalCount = 2; },
        [](SavedState& s) { s.engine.undoSnapshot.priceFigure = PriceFigure::Cost; },
        [](SavedState& s) { s.engine.undoSnapshot.priceValue = 2; },
        // A zero's sign is kept, so it counts.
        [](SavedState& s) { s.engine.lastValue = -0.0; },
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
    hidden.engine.tapeVisible = false;
    EXPECT_EQ(hidden, Busy());
    SavedState notANumber = Busy();
    notANumber.engine.chainValue = std::nan("");
    SavedState otherNotANumber = Busy();
    otherNotANumber.engine.chainValue = std::nan("1");
    EXPECT_EQ(notANumber, otherNotANumber);
}

}  // namespace
}  // namespace reckora
