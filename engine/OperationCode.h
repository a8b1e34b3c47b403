#pragma once
// The operation codes of DoOperation: Subtract to Memory Add are their key's index less 13,
// Clear All, Memory Clear and Clear their key's index.

namespace reckora {

enum OperationCode : int {
    OpSubtract = 1,
    OpAdd = 2,
    OpDivide = 3,
    OpMultiply = 4,
    OpPercent = 5,
    OpTotal = 6,
    OpMemoryRestore = 7,
    OpMemorySubtract = 8,
    OpMemoryAdd = 9,
    OpClearAll = 10,
    OpMemoryClear = 11,
    OpClear = 12,
};

}  // namespace reckora
