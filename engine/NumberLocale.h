#pragma once
// A decimal and grouping separator pair: the user's, read once at start-up by the platform layer
// and handed to the engine (which never asks the operating system for them), or the neutral pair
// kept and exported texts are written with (NeutralLocale).

#include <string>

namespace reckora {

struct NumberLocale {
    std::string decimalSep = ".";   // one character, UTF-8 encoded
    std::string groupingSep = ",";  // one character, UTF-8 encoded; may be empty (no grouping)
};

}  // namespace reckora
