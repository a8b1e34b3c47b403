#pragma once
// The run-time geometry of the main window: scaling for the screen density, the standard height
// below the key grid, the width forced to fit the tape or the display, and showing or hiding
// the tape. Works on any WindowModel.

#include "WindowModel.h"

namespace reckora {

namespace LayoutMargin {
inline constexpr float ReferenceTwipsPerPixel = 15;
inline constexpr float BelowKeys = 60;
inline constexpr float RightOfTape = 60;
inline constexpr float RightOfDisplay = 75;
inline constexpr float BelowTape = 45;
inline constexpr float DenseIndicatorFontSize = 6;
}  // namespace LayoutMargin

inline constexpr const char* DenseIndicatorFontName = "Areal";

class WindowLayout {
public:
    explicit WindowLayout(WindowModel& window) : window_(window) {}

    // Once at start-up: rescales every control so it keeps its size in pixels on this screen,
    // gives the indicators the small face on denser screens, then sets the standard height.
    // Failing steps are skipped.
    void ScaleForScreen();

    // The client area ends 60 twips below key 0, the lowest key row. Failures reach the caller.
    void SetStandardHeight();

    // On every size change: the tape follows the client height, the width snaps back to fit
    // the tape or the display. Failing steps are skipped.
    void FitToSize();

    // Shows or hides the tape, ticks the Show Tape entry and re-runs FitToSize.
    void ShowTape(bool visible);

    bool TapeVisible() const { return tapeVisible_; }

private:
    WindowModel& window_;
    bool tapeVisible_ = true;
};

}  // namespace reckora
