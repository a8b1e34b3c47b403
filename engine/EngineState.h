#pragma once
// The engine state record: the values the calculator keeps between key commands.

#include <cstdint>
#include <optional>
#include <string>

#include "KeyCommand.h"

namespace reckora {

// The values one undo puts back.
struct SavedValues {
    double entryValue = 0;
    double lastValue = 0;
    double runningTotal = 0;
    double chainValue = 0;
    std::int32_t itemCount = 0;
    std::optional<Operation> chainOp;
    double memoryValue = 0;
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
    bool errorState = false;
    std::string pendingCaption;
    SavedValues undoSnapshot;
    std::int32_t undoTapeLines = 0;

    // Window state the engine reads and writes through its ports.
    int selectedOption = -1;  // the selected RoundOpt button, -1 before start-up selects one
    bool undoAvailable = false;
    bool timerArmed = false;
};

}  // namespace reckora
