#pragma once
// An in-memory main window for the tape's focus hand-back: it counts how often it got the focus.

#include "MainWindowFocus.h"

namespace reckora {

class CountingFocus : public MainWindowFocus {
public:
    void GiveFocusToMainWindow() override { ++handedBack; }
    int handedBack = 0;
};

}  // namespace reckora
