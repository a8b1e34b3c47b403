#pragma once
// A tape line in words, as a screen reader says it ("plus 1,250", "total 1,614.75, 4 items").
// The word patterns are user texts; the window passes its translation of each.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "LineExtras.h"
#include "TapeMark.h"
#include "UserText.h"

namespace reckora {

// Translates one marked pattern; the identity when empty.
using TranslateText = std::function<std::string(const char* text)>;

// `text` is the line as shown; %1 in a pattern is the number, %2 a total's item count.
std::string SpokenText(std::string_view text, TapeMark mark, std::int32_t itemCount,
                       const TranslateText& translate = {});

// SpokenText followed by what a correction left on the line: "plus 15, corrected, was 12" for the
// corrected line, "total 30, 2 items, changed by a correction" for a line whose value it changed.
std::string SpokenLine(std::string_view text, TapeMark mark, std::int32_t itemCount,
                       const LineExtras* extras, const TranslateText& translate = {});

}  // namespace reckora
