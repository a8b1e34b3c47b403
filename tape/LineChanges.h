#pragma once
// What happened to a tape's lines in force between two looks, for whoever keeps a copy of them.

#include <cstdint>
#include <optional>
#include <vector>

namespace reckora {

struct LineChanges {
    // How many lines from the first stayed as they were (lines after them were cut back,
    // replaced or added).
    std::int32_t unchanged = 0;
    // Set when lines were only rewritten where they stand and the count stayed: the positions
    // whose line or extras differ now, ascending. A copy needs only those lines written again.
    std::optional<std::vector<std::int32_t>> rewritten;
};

}  // namespace reckora
