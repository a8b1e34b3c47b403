#pragma once
// NumLock on the running window system: on X11 the NumLock modifier is read and locked through
// XKB; elsewhere NumLock is reported on, so that nothing is changed.

#include "StartUp.h"

namespace reckora {

class SystemNumLock : public NumLockKeyboard {
public:
    bool IsNumLockOn() override;
    void SwitchNumLockOn() override;
};

}  // namespace reckora
