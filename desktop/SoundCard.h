#pragma once
// The machine's sound card, for the refusal tones. Where the build has ALSA, its library is
// loaded at the first tone rather than at start-up (most runs never sound one); a build without
// ALSA, or a machine without the library or a device, plays nothing and says so.

#include <cstdint>
#include <memory>
#include <vector>

namespace reckora {

class SoundCard {
public:
    SoundCard();
    ~SoundCard();
    SoundCard(const SoundCard&) = delete;
    SoundCard& operator=(const SoundCard&) = delete;

    // Plays signed 16-bit mono samples at the given rate; false when no device played them.
    bool Play(const std::vector<std::int16_t>& samples, int sampleRate);

private:
    struct Library;
    std::unique_ptr<Library> library_;
    bool loadTried_ = false;
};

}  // namespace reckora
