#include "SoundCard.h"

namespace reckora {

struct SoundCard::Library {};

SoundCard::SoundCard() = default;
SoundCard::~SoundCard() = default;

bool SoundCard::Play(const std::vector<std::int16_t>&, int) {
    return false;
}

}  // namespace reckora
