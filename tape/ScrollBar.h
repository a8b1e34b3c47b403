#pragma once
// The tape's vertical scroll bar (object name "VScroll1"), at the left edge of the tape. One
// position is one line height of the tape; positions run from 0 to the maximum, both 32-bit.
//
// Events: the tape registers itself with SetEvents when it is created. The bar calls
// OnScrollChange synchronously for every change of its position, whether the user moved it or
// the program set it (SetValue, or SetMaximum pulling the position down); OnScrollDrag while
// the user drags the thumb (it may come in addition to the change); OnScrollFocus when the
// bar gains the keyboard focus. The platform's arrow step is 1 position, its page step 10.

#include <cstdint>

namespace reckora {

class ScrollBarEvents {
public:
    virtual void OnScrollChange() = 0;
    virtual void OnScrollDrag() = 0;
    virtual void OnScrollFocus() = 0;

protected:
    ~ScrollBarEvents() = default;
};

class ScrollBar {
public:
    virtual ~ScrollBar() = default;

    // nullptr stops the events.
    virtual void SetEvents(ScrollBarEvents* events) = 0;

    virtual std::int32_t Maximum() const = 0;
    // A maximum below the current position pulls the position down to it (a change event).
    virtual void SetMaximum(std::int32_t maximum) = 0;
    virtual std::int32_t Value() const = 0;
    // Values outside 0..maximum are brought into that range; a change event follows if the
    // position moved.
    virtual void SetValue(std::int32_t value) = 0;

    // Size in twips; the bar sits at the top-left corner of the tape.
    virtual void SetWidth(float twips) = 0;
    virtual void SetHeight(float twips) = 0;
};

}  // namespace reckora
