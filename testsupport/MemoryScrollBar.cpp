#include "MemoryScrollBar.h"

#include <algorithm>

#include "Failure.h"

namespace reckora {

void MemoryScrollBar::SetMaximum(std::int32_t maximum) {
    maximum_ = maximum;
    if (value_ > maximum_) {
        SetValue(maximum_);
    }
}

void MemoryScrollBar::SetValue(std::int32_t value) {
    MoveTo(value, false);
}

void MemoryScrollBar::MoveTo(std::int32_t value, bool dragging) {
    const std::int32_t clamped = std::max<std::int32_t>(std::min(value, maximum_), 0);
    if (clamped == value_) {
        return;
    }
    value_ = clamped;
    if (dragging && events_ != nullptr) {
        events_->OnScrollDrag();
    }
    ++changeEvents_;
    if (events_ != nullptr) {
        events_->OnScrollChange();
    }
}

void MemoryScrollBar::SetWidth(float twips) {
    if (failResizing) {
        throw Failure(FailureKind::OutOfRange, "Invalid scroll bar width");
    }
    width_ = twips;
}

void MemoryScrollBar::SetHeight(float twips) {
    if (failResizing) {
        throw Failure(FailureKind::OutOfRange, "Invalid scroll bar height");
    }
    height_ = twips;
}

void MemoryScrollBar::UserMoves(std::int32_t value) {
    SetValue(value);
}

void MemoryScrollBar::UserDrags(std::int32_t value) {
    MoveTo(value, true);
}

void MemoryScrollBar::UserFocuses() {
    if (events_ != nullptr) {
        events_->OnScrollFocus();
    }
}

}  // namespace reckora
