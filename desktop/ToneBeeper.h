#pragma once
// The refusal tones: each tone is a sine of the given frequency and length played on the sound
// card (through ALSA where the build has it). Without a usable device it falls back to the
// desktop's bell, at most once per burst of tones; it never reports an error to the user.

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

#include "EnginePorts.h"
#include "SoundCard.h"

namespace reckora {

// A sine tone as signed 16-bit mono samples, faded in and out over one millisecond so it starts
// and ends without a click.
std::vector<std::int16_t> ToneSamples(int frequencyHz, int durationMs, int sampleRate);

class ToneBeeper {
public:
    static constexpr int SampleRate = 48000;

    explicit ToneBeeper(std::function<void()> fallbackBell)
        : fallbackBell_(std::move(fallbackBell)) {}

    void Beep(int frequencyHz, int durationMs);

private:
    void Bell();

    SoundCard soundCard_;
    std::function<void()> fallbackBell_;
    std::chrono::steady_clock::time_point lastBell_{};
};

}  // namespace reckora
