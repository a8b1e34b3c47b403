#include "ToneBeeper.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace reckora {

namespace {

// Tones of one refusal come within a few milliseconds; the bell sounds once for them.
constexpr auto BellBurst = std::chrono::milliseconds(150);

}  // namespace

std::vector<std::int16_t> ToneSamples(int frequencyHz, int durationMs, int sampleRate) {
    const int count = std::max(0, sampleRate / 1000 * durationMs);
    const int fade = std::max(1, std::min(sampleRate / 1000, count / 2));
    std::vector<std::int16_t> samples(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double envelope = std::min(
            {1.0, static_cast<double>(i) / fade, static_cast<double>(count - 1 - i) / fade});
        const double phase = 2 * std::numbers::pi * frequencyHz * i / sampleRate;
        samples[static_cast<std::size_t>(i)] =
            static_cast<std::int16_t>(std::lround(std::sin(phase) * envelope * 12000));
    }
    return samples;
}

void ToneBeeper::Beep(int frequencyHz, int durationMs) {
    if (frequencyHz <= 0 || durationMs <= 0 ||
        !soundCard_.Play(ToneSamples(frequencyHz, durationMs, SampleRate), SampleRate)) {
        Bell();
    }
}

void ToneBeeper::Bell() {
    const auto now = std::chrono::steady_clock::now();
    if (now - lastBell_ < BellBurst) {
        return;
    }
    lastBell_ = now;
    if (fallbackBell_) {
        fallbackBell_();
    }
}

}  // namespace reckora
