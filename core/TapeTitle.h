#pragma once
// The title a tape document is headed with: the tape's name, or while it has none the date its
// sheet was started.

#include <cstdint>
#include <string>
#include <string_view>

namespace reckora {

// `name` when it holds more than blanks; otherwise the local date of `startedMs` (milliseconds
// since 1970, UTC) as YYYY-MM-DD, which reads the same in every language.
std::string TapeTitle(std::string_view name, std::int64_t startedMs);

}  // namespace reckora
