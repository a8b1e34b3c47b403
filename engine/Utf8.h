#pragma once
// UTF-8 read and written one code point at a time, for every place that walks a text by its
// characters: names, notes and their search, the stored rows, the PDF's fonts, the harness's JSON.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace reckora {

// One code point and the number of bytes it takes.
struct Utf8Char {
    char32_t code;
    std::size_t length;
};

// The code point starting at byte `at` (which must be inside `text`); nothing where the bytes are
// not well-formed UTF-8: a stray continuation byte, a cut sequence, an overlong form, a surrogate
// or a value beyond U+10FFFF.
std::optional<Utf8Char> DecodeUtf8(std::string_view text, std::size_t at);

bool IsValidUtf8(std::string_view text);

void AppendUtf8(std::string& out, char32_t code);

}  // namespace reckora
