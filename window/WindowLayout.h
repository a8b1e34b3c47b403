#pragma once
// The run-time geometry of the main window: scaling for the screen density, the standard height
// below the key grid, the width forced to fit the tape or the display, and showing or hiding
// the tape and the business row. Works on any WindowModel.

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

    // The client area ends 60 twips below key 0, the lowest key row, or below the business row
    // while it is shown. Failures reach the caller.
    void SetStandardHeight();

    // On every size change: the tape follows the client height, the width snaps back to fit
    // the tape or the display. Failing steps are skipped.
    void FitToSize();

    // Shows or hides the tape, ticks the Show Tape entry and re-runs FitToSize.
    void ShowTape(bool visible);

    bool TapeVisible() const { return tapeVisible_; }

    // Shows or hides the business row and ticks its entry; the window grows or shrinks by the
    // row, whatever height the user gave it. A height the window refuses is left as it is.
    void ShowBusinessKeys(bool shown);
    bool BusinessKeysShown() const { return businessKeysShown_; }

private:
    // The scaled height the business row adds below key 0's row.
    double BusinessRowHeight() const;

    WindowModel& window_;
    bool tapeVisible_ = true;
    bool businessKeysShown_ = false;
};

}  // namespace reckora
