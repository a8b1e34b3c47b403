#pragma once
// The engine state record: the values the calculator keeps between key commands.

#include <cstdint>
#include <optional>
#include <string>

#include "KeyCommand.h"
#include "RoundingDirection.h"
#include "RoundingOption.h"

namespace reckora {

// Which of cost, selling price and margin the pricing register holds, waiting for a second one.
enum class PriceFigure : std::uint8_t { None, Cost, Sell, Margin };

// The values one undo puts back.
struct SavedValues {
    double entryValue = 0;
    double lastValue = 0;
    double runningTotal = 0;
    double chainValue = 0;
    std::int32_t itemCount = 0;
    std::optional<Operation> chainOp;
    double memoryValue = 0;
    double grandTotal = 0;
    std::int32_t grandTotalCount = 0;
    PriceFigure priceFigure = PriceFigure::None;
    double priceValue = 0;
};

struct EngineState {
    bool tapeVisible = true;
    std::string entryText = "0";  // digits and at most one DecimalSep; "0" means no entry
    double entryValue = 0;
    double lastValue = 0;
    double runningTotal = 0;
    double chainValue = 0;
    std::int32_t itemCount = 0;
    std::optional<Operation> chainOp;  // Divide or Multiply while a chain is pending
    double memoryValue = 0;
    // The business registers: the totals since the last grand total, and a price figure.
    double grandTotal = 0;
    std::int32_t grandTotalCount = 0;
    PriceFigure priceFigure = PriceFigure::None;
    double priceValue = 0;
    // The values the last command left, before any number was typed; a non-add number puts
    // them back.
    double entryValueBeforeTyping = 0;
    double lastValueBeforeTyping = 0;
    bool errorState = false;
    std::string pendingCaption;
    SavedValues undoSnapshot;
    std::int32_t undoTapeLines = 0;

    // Window state the engine reads and writes through its ports.
    std::optional<RoundingOption> selectedOption;  // empty before start-up selects one
    // Settings that change results, kept with the tape so that a replay computes the same.
    double taxRate = 0;  // percent; 0 turns the tax commands away
    RoundingDirection roundingDirection = RoundingDirection::Designed;
    bool undoAvailable = false;
    bool timerArmed = false;
};

}  // namespace reckora
