#include <alsa/asoundlib.h>
#include <dlfcn.h>

#include "SoundCard.h"

namespace reckora {

namespace {

// Without this, alsa-lib writes its complaints about a missing card to stderr.
void SilentAlsaErrors(const char*, int, const char*, int, const char*, ...) {}

template <typename Function>
bool Bind(void* handle, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(handle, name));
    return function != nullptr;
}

}  // namespace

// The ALSA calls a tone needs, bound from libasound when it is first opened.
struct SoundCard::Library {
    void* handle = nullptr;
    decltype(&snd_lib_error_set_handler) setErrorHandler = nullptr;
    decltype(&snd_pcm_open) open = nullptr;
    decltype(&snd_pcm_set_params) setParams = nullptr;
    decltype(&snd_pcm_writei) write = nullptr;
    decltype(&snd_pcm_recover) recover = nullptr;
    decltype(&snd_pcm_drain) drain = nullptr;
    decltype(&snd_pcm_close) close = nullptr;

    ~Library() { dlclose(handle); }

    bool BindAll() {
        return Bind(handle, "snd_lib_error_set_handler", setErrorHandler) &&
               Bind(handle, "snd_pcm_open", open) &&
               Bind(handle, "snd_pcm_set_params", setParams) &&
               Bind(handle, "snd_pcm_writei", write) && Bind(handle, "snd_pcm_recover", recover) &&
               Bind(handle, "snd_pcm_drain", drain) && Bind(handle, "snd_pcm_close", close);
    }
};

SoundCard::SoundCard() = default;
SoundCard::~SoundCard() = default;

bool SoundCard::Play(const std::vector<std::int16_t>& samples, int sampleRate) {
    if (!loadTried_) {
        loadTried_ = true;
        if (void* handle = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL)) {
            library_ = std::make_unique<Library>();
            library_->handle = handle;
            if (library_->BindAll()) {
                library_->setErrorHandler(&SilentAlsaErrors);
            } else {
                library_.reset();
            }
        }
    }
    if (!library_) {
        return false;
    }
    const Library& alsa = *library_;
    snd_pcm_t* pcm = nullptr;
    if (alsa.open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0) {
        return false;
    }
    bool played = alsa.setParams(pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1,
                                 static_cast<unsigned>(sampleRate), 1, 50000) >= 0;
    std::size_t written = 0;
    while (played && written < samples.size()) {
        snd_pcm_sframes_t frames =
            alsa.write(pcm, samples.data() + written, samples.size() - written);
        if (frames < 0) {
            frames = alsa.recover(pcm, static_cast<int>(frames), 1);
        }
        if (frames < 0) {
            played = false;
        } else {
            written += static_cast<std::size_t>(frames);
        }
    }
    if (played) {
        alsa.drain(pcm);
    }
    alsa.close(pcm);
    return played;
}

}  // namespace reckora
