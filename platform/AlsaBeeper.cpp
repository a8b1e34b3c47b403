#include "AlsaBeeper.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace reckora {

namespace {

// Without this, alsa-lib writes its complaints about a missing card to stderr.
void SilentAlsaErrors(const char*, int, const char*, int, const char*, ...) {}

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

void AlsaBeeper::Beep(int frequencyHz, int durationMs) {
    if (frequencyHz <= 0 || durationMs <= 0 ||
        !Play(ToneSamples(frequencyHz, durationMs, SampleRate))) {
        Bell();
    }
}

bool AlsaBeeper::Play(const std::vector<std::int16_t>& samples) {
    snd_lib_error_set_handler(&SilentAlsaErrors);
    snd_pcm_t* pcm = nullptr;
    if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0) {
        return false;
    }
    bool played = snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1,
                                     SampleRate, 1, 50000) >= 0;
    std::size_t written = 0;
    while (played && written < samples.size()) {
        snd_pcm_sframes_t frames =
            snd_pcm_writei(pcm, samples.data() + written, samples.size() - written);
        if (frames < 0) {
            frames = snd_pcm_recover(pcm, static_cast<int>(frames), 1);
        }
        if (frames < 0) {
            played = false;
        } else {
            written += static_cast<std::size_t>(frames);
        }
    }
    if (played) {
        snd_pcm_drain(pcm);
    }
    snd_pcm_close(pcm);
    return played;
}

void AlsaBeeper::Bell() {
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
