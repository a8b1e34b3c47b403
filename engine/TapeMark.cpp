#include "TapeMark.h"

#include <array>
#include <limits>

namespace reckora {

namespace {

// The numbers of the marks in their order; the counted marks, the last two, have none of their own.
constexpr std::array<std::int32_t, 23> MarkCodes{-2, -1, 0,  1,  2,  3,  4,  5,  6,  7,  8, 9,
                                                 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
static_assert(MarkCodes.size() == static_cast<std::size_t>(TapeMark::GrandTotal));

}  // namespace

std::int64_t TapeLineCode(TapeMark mark, std::int32_t itemCount) {
    if (mark == TapeMark::Total) {
        return TotalCodeBase + std::int64_t{itemCount};
    }
    if (mark == TapeMark::GrandTotal) {
        return GrandTotalCodeBase - std::int64_t{itemCount};
    }
    return MarkCodes[static_cast<std::size_t>(mark)];
}

std::optional<MarkAndCount> MarkOfLineCode(std::int64_t code) {
    for (std::size_t i = 0; i < MarkCodes.size(); ++i) {
        if (MarkCodes[i] == code) {
            return MarkAndCount{static_cast<TapeMark>(i)};
        }
    }
    if (code <= GrandTotalCodeBase) {
        const std::int64_t totals = GrandTotalCodeBase - code;
        if (totals > std::numeric_limits<std::int32_t>::max()) {
            return std::nullopt;
        }
        return MarkAndCount{TapeMark::GrandTotal, static_cast<std::int32_t>(totals)};
    }
    const std::int64_t count = code - TotalCodeBase;
    if (count < 0 || count > std::numeric_limits<std::int32_t>::max() - TotalCodeBase) {
        return std::nullopt;
    }
    return MarkAndCount{TapeMark::Total, static_cast<std::int32_t>(count)};
}

}  // namespace reckora
