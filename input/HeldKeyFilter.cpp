#include "HeldKeyFilter.h"

#include <utility>

namespace reckora {

HeldKeyFilter::HeldKeyFilter(std::function<bool(std::uint32_t scanCode)> keyStillDown,
                             std::function<void(const RawKeyEvent&)> deliver)
    : keyStillDown_(std::move(keyStillDown)), deliver_(std::move(deliver)) {}

void HeldKeyFilter::Take(const RawKeyEvent& event) {
    if (pendingRelease_) {
        const RawKeyEvent release = *pendingRelease_;
        pendingRelease_.reset();
        const bool repeatPress = event.press && event.scanCode == release.scanCode &&
                                 event.time >= release.time &&
                                 event.time - release.time <= RepeatPairGap;
        if (repeatPress) {
            return;
        }
        deliver_(release);
    }
    if (!event.press && keyStillDown_(event.scanCode)) {
        pendingRelease_ = event;
        return;
    }
    deliver_(event);
}

}  // namespace reckora
