#pragma once
// The user's decimal and grouping separators, read once at start-up by the platform layer and
// handed to the engine; the engine never asks the operating system for them.

#include <string>

namespace reckora {

struct NumberLocale {
    std::string DecimalSep = ".";   // one character, UTF-8 encoded
    std::string GroupingSep = ",";  // one character, UTF-8 encoded; may be empty (no grouping)
};

}  // namespace reckora
