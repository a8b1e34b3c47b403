#pragma once
// The engine state record: the values the calculator keeps between key commands.

#include <cstdint>
#include <optional>
#include <string>

#include "KeyCommand.h"

namespace reckora {

// The values one undo puts back.
struct SavedValues {
    double EntryValue = 0;
    double LastValue = 0;
    double RunningTotal = 0;
    double ChainValue = 0;
    std::int32_t ItemCount = 0;
    std::optional<Operation> ChainOp;
    double MemoryValue = 0;
};

struct EngineState {
    bool TapeVisible = true;
    std::string EntryText = "0";  // digits and at most one DecimalSep; "0" means no entry
    double EntryValue = 0;
    double LastValue = 0;
    double RunningTotal = 0;
    double ChainValue = 0;
    std::int32_t ItemCount = 0;
    std::optional<Operation> ChainOp;  // Divide or Multiply while a chain is pending
    double MemoryValue = 0;
    bool ErrorState = false;
    std::string PendingCaption;
    SavedValues UndoSnapshot;
    std::int32_t UndoTapeLines = 0;

    // Window state the engine reads and writes through its ports.
    int SelectedOption = -1;  // the selected RoundOpt button, -1 before start-up selects one
    bool UndoAvailable = false;
    bool TimerArmed = false;
};

}  // namespace reckora
