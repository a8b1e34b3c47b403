// The refusal tone's samples: length, pitch and a click-free start and end.

#include <gtest/gtest.h>

#include <cstdlib>

#include "ToneBeeper.h"

namespace reckora {
namespace {

TEST(Tones, FiveMillisecondsAtThePitchAsked) {
    for (int hz : {5000, 3000, 4000}) {
        const auto samples = ToneSamples(hz, 5, 48000);
        ASSERT_EQ(samples.size(), 240u);
        int crossings = 0;
        for (std::size_t i = 1; i < samples.size(); ++i) {
            crossings += (samples[i - 1] < 0) != (samples[i] < 0) ? 1 : 0;
        }
        // Two sign changes per period, 5 ms long.
        EXPECT_NEAR(crossings, 2 * hz * 5 / 1000, 2) << hz;
        EXPECT_LT(std::abs(samples.front()), 100);
        EXPECT_LT(std::abs(samples.back()), 1000);
    }
    EXPECT_TRUE(ToneSamples(4000, 0, 48000).empty());
}

TEST(Tones, WithoutASoundDeviceTheBellSoundsOncePerRefusal) {
    // An impossible tone never reaches the sound card, so the bell stands in for it.
    int bells = 0;
    ToneBeeper beeper([&bells] { ++bells; });
    beeper.Beep(0, 5);
    beeper.Beep(0, 5);
    beeper.Beep(0, 5);
    EXPECT_EQ(bells, 1);
}

}  // namespace
}  // namespace reckora
