#pragma once
// The installed fonts a text is set in: the font asked for, and for each character it lacks the
// best-matching installed font that has it, as fontconfig ranks them. Characters no installed
// font has stay with the font asked for (which shows its missing-character box).

#include <cairo.h>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "Utf8.h"

namespace reckora::pdf {

// A stretch of a text set in one font face.
struct FontRun {
    std::string_view text;  // UTF-8, whole characters
    cairo_font_face_t* face;
};

class FontFallback {
public:
    explicit FontFallback(const std::string& family);
    ~FontFallback();
    FontFallback(const FontFallback&) = delete;
    FontFallback& operator=(const FontFallback&) = delete;

    // The text cut into runs of one face each, in order; valid until the next call.
    const std::vector<FontRun>& Runs(std::string_view text);
    cairo_font_face_t* Primary() { return Face(0); }
    // The face that sets this character.
    cairo_font_face_t* FaceFor(char32_t character) { return Face(FontFor(character)); }

private:
    std::size_t FontFor(char32_t character);
    cairo_font_face_t* Face(std::size_t index);

    void* pattern_ = nullptr;  // FcPattern*: fontconfig's types stay out of this header
    void* fonts_ = nullptr;    // FcFontSet*, best match first
    std::vector<cairo_font_face_t*> faces_;  // created when first used
    std::unordered_map<char32_t, std::size_t> fontOf_;
    std::vector<FontRun> runs_;
    static constexpr char32_t AsciiEnd = 128;
    static constexpr std::size_t Unknown = static_cast<std::size_t>(-1);
    std::array<std::size_t, AsciiEnd> asciiFont_ = [] {
        std::array<std::size_t, AsciiEnd> unknown{};
        unknown.fill(Unknown);
        return unknown;
    }();
};

// The code point of the UTF-8 character starting at `at`, and its length in bytes; a malformed
// byte is U+FFFD of length 1.
Utf8Char CharacterAt(std::string_view text, std::size_t at);

}  // namespace reckora::pdf
