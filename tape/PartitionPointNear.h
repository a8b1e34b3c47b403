#pragma once
// A partition point found near a hint: the tape's redraw looks for the lines in view close to
// where the last view was, so a view that moved by a line or a page costs a few probes in memory
// already at hand instead of a search across the whole tape.

#include <algorithm>
#include <cstddef>

namespace reckora {

// std::partition_point over [begin, end), searched outwards from `hint` with growing steps: the
// view mostly moves by a line or a page, so the search touches only lines near the last view.
template <class Iterator, class Predicate>
Iterator PartitionPointNear(Iterator begin, Iterator end, Iterator hint, Predicate holds) {
    std::ptrdiff_t step = 1;
    if (hint != end && holds(*hint)) {
        Iterator low = hint + 1;  // everything before `low` holds
        while (end - low > step) {
            const Iterator probe = low + step;
            if (!holds(*probe)) {
                return std::partition_point(low, probe, holds);
            }
            low = probe + 1;
            step *= 2;
        }
        return std::partition_point(low, end, holds);
    }
    Iterator high = hint;  // nothing from `high` on holds
    while (high - begin > step) {
        const Iterator probe = high - step;
        if (holds(*probe)) {
            return std::partition_point(probe + 1, high, holds);
        }
        high = probe;
        step *= 2;
    }
    return std::partition_point(begin, high, holds);
}

}  // namespace reckora
