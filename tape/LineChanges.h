#pragma once
// What happened to a tape's lines in force between two looks, for whoever keeps a copy of them.

#include <algorithm>
#include <cstdint>
#include <iterator>
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

    // Nothing happened to a tape of `lines` lines in force.
    static LineChanges None(std::int32_t lines) { return {lines, std::vector<std::int32_t>{}}; }

    // These changes and then `later`: the fewer lines stayed; rewrites in place add up, and
    // anything more than a rewrite in place on either side is more than that together.
    LineChanges Then(const LineChanges& later) const {
        LineChanges both{std::min(unchanged, later.unchanged), std::nullopt};
        if (rewritten && later.rewritten) {
            both.rewritten.emplace();
            std::ranges::set_union(*rewritten, *later.rewritten,
                                   std::back_inserter(*both.rewritten));
        }
        return both;
    }

    friend bool operator==(const LineChanges&, const LineChanges&) = default;
};

}  // namespace reckora
