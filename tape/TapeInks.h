#pragma once
// The colours the tape is drawn and printed in.

#include "Rgb.h"

namespace reckora {

inline constexpr Rgb TapeBlack{0, 0, 0};
inline constexpr Rgb TapeDarkBlue{0, 0, 128};  // colour 1 of the classic 16-colour palette
inline constexpr Rgb TapeRed{255, 0, 0};       // colour 12 of that palette
inline constexpr Rgb GlyphInk{0, 0, 255};      // the set pixels of the mark glyphs
inline constexpr Rgb TapePaper{255, 255, 255};
inline constexpr Rgb SelectionBand{204, 228, 255};  // behind the selected line
inline constexpr Rgb OriginalInk{128, 128, 128};    // a corrected line's struck-through original
inline constexpr Rgb NoteInk{0, 112, 0};
inline constexpr Rgb ChangeMarkInk{224, 112, 0};  // a line whose value a correction changed

}  // namespace reckora
