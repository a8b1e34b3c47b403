#pragma once
// An in-memory tape scroll bar for the harness and the tests, raising its events like the real bar:
// a change event for every move of the position, by the program or by the simulated user.

#include <cstdint>

#include "ScrollBar.h"

namespace reckora {

class MemoryScrollBar : public ScrollBar {
public:
    void SetEvents(ScrollBarEvents* events) override { events_ = events; }
    std::int32_t Maximum() const override { return maximum_; }
    void SetMaximum(std::int32_t maximum) override;
    std::int32_t Value() const override { return value_; }
    void SetValue(std::int32_t value) override;
    void SetWidth(float twips) override;
    void SetHeight(float twips) override;

    // What the user does.
    void UserMoves(std::int32_t value);  // arrows, trough, keyboard: a change event
    void UserDrags(std::int32_t value);  // the thumb: a scroll event, then the change event
    void UserFocuses();

    float Width() const { return width_; }
    float Height() const { return height_; }
    int ChangeEvents() const { return changeEvents_; }

    // Makes SetWidth and SetHeight throw Failure, as a bar made too small may.
    bool failResizing = false;

private:
    // Moves the position; dragging the thumb raises a scroll event before the change event.
    void MoveTo(std::int32_t value, bool dragging);

    ScrollBarEvents* events_ = nullptr;
    std::int32_t maximum_ = 0;
    std::int32_t value_ = 0;
    float width_ = 255;  // the design size
    float height_ = 3495;
    int changeEvents_ = 0;
};

}  // namespace reckora
