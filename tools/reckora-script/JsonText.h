#pragma once
// Writes texts as JSON string literals for the harness's dump lines, and reads values back.

#include <optional>
#include <string>
#include <string_view>

namespace reckora::script {

// A quoted JSON string; control characters are escaped and bytes that are not valid UTF-8
// become U+FFFD, so every dump line is valid JSON whatever the clipboard held.
std::string JsonString(std::string_view text);

// A JSON value written compactly, as the dump writes it: no blanks outside strings, strings
// written by JsonString. nullopt when the text is not one JSON value.
std::optional<std::string> CompactJson(std::string_view text);

}  // namespace reckora::script
