#pragma once
// The refusal tones through the sound card: each tone opens ALSA's default playback device,
// plays a sine of the given frequency and length, and closes the device again. Without a usable
// device it falls back to the desktop's bell, at most once per burst of tones; it never reports
// an error to the user.

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

#include "EnginePorts.h"

namespace reckora {

// A sine tone as signed 16-bit mono samples, faded in and out over one millisecond so it starts
// and ends without a click.
std::vector<std::int16_t> ToneSamples(int frequencyHz, int durationMs, int sampleRate);

class AlsaBeeper {
public:
    static constexpr int SampleRate = 48000;

    explicit AlsaBeeper(std::function<void()> fallbackBell)
        : fallbackBell_(std::move(fallbackBell)) {}

    void Beep(int frequencyHz, int durationMs);

private:
    bool Play(const std::vector<std::int16_t>& samples);
    void Bell();

    std::function<void()> fallbackBell_;
    std::chrono::steady_clock::time_point lastBell_{};
};

}  // namespace reckora
