// The search near a hint finds exactly what a search over the whole range finds.

#include "PartitionPointNear.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace reckora {
namespace {

TEST(PartitionPointNear, AgreesWithTheFullSearchFromEveryHint) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::vector<int> values(std::uniform_int_distribution<std::size_t>(0, 70)(random));
        int value = 0;
        for (int& v : values) {
            value += std::uniform_int_distribution<int>(0, 2)(random);
            v = value;
        }
        for (int bound = -1; bound <= value + 1; ++bound) {
            const auto below = [bound](int v) { return v < bound; };
            const auto expected = std::partition_point(values.begin(), values.end(), below);
            for (std::size_t hint = 0; hint <= values.size(); ++hint) {
                const auto found =
                    PartitionPointNear(values.begin(), values.end(),
                                       values.begin() + static_cast<std::ptrdiff_t>(hint), below);
                ASSERT_EQ(found - values.begin(), expected - values.begin())
                    << "bound " << bound << " hint " << hint << " size " << values.size();
            }
        }
    }
}

}  // namespace
}  // namespace reckora
