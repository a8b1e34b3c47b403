#pragma once
// The window's design fonts mapped onto fonts this system has: Liberation Mono for the tape's
// "Courier New" (the same widths, so the tape's measures hold), Liberation Sans for "Arial",
// the indicators' "Areal" and the default "MS Sans Serif" (left to the system, that name would
// become a much wider face in which a 15-digit number no longer fits the display).

namespace reckora {

// Safe to call more than once; call it before the first window is built.
void InstallFontSubstitutions();

}  // namespace reckora
