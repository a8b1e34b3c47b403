#pragma once
// The calculator's state as a plain, versioned text, so that a stored tape can bring it back
// exactly: the engine's values and what the display and the indicators showed.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "EngineState.h"
#include "Rgb.h"

namespace reckora {

// What the window showed besides the engine's values.
struct ShownCaptions {
    std::string display;
    Rgb displayColor;
    std::string memory;
    std::string counter;

    friend bool operator==(const ShownCaptions&, const ShownCaptions&) = default;
};

struct SavedState {
    EngineState engine;
    ShownCaptions shown;

    // Equal when kept alike: every field the state text holds (not the tape's visibility, a
    // setting), a number by its value and its sign (-0 is kept apart from 0).
    friend bool operator==(const SavedState& a, const SavedState& b);
};

// The first line of a state text. Version 2 writes the captions and the entry in the neutral
// notation (see NumberNotation.h) where version 1 wrote them as the locale showed them; version 3
// adds the business registers, the tax rate and the rounding direction. A version 2 text reads
// with those at their start values.
inline constexpr std::string_view StateFormatLine = "reckora-state 3";
inline constexpr std::string_view StateFormatLineVersion2 = "reckora-state 2";

// One "name=value" line per field after the version line; numbers are written so that they read
// back to the same double. The texts are written as they are given: the caller decides their
// notation.
std::string StateAsText(const SavedState& state);
// Nothing for a text of another version, a missing or malformed field, or an option, operation
// or count out of range.
std::optional<SavedState> StateFromText(std::string_view text);

}  // namespace reckora
