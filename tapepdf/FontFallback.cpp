#include "FontFallback.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

namespace reckora::pdf {

namespace {

FcPattern* AsPattern(void* pattern) {
    return static_cast<FcPattern*>(pattern);
}

FcFontSet* AsFontSet(void* fonts) {
    return static_cast<FcFontSet*>(fonts);
}

}  // namespace

Utf8Char CharacterAt(std::string_view text, std::size_t at) {
    return DecodeUtf8(text, at).value_or(Utf8Char{U'\uFFFD', 1});
}

FontFallback::FontFallback(const std::string& family) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    // Trimmed: a font that adds no character to those before it is never chosen.
    FcFontSet* fonts = FcFontSort(nullptr, pattern, FcTrue, nullptr, &result);
    pattern_ = pattern;
    fonts_ = fonts;
    const std::size_t count = fonts != nullptr ? static_cast<std::size_t>(fonts->nfont) : 0;
    faces_.assign(count == 0 ? 1 : count, nullptr);
}

FontFallback::~FontFallback() {
    for (cairo_font_face_t* face : faces_) {
        if (face != nullptr) {
            cairo_font_face_destroy(face);
        }
    }
    if (fonts_ != nullptr) {
        FcFontSetDestroy(AsFontSet(fonts_));
    }
    FcPatternDestroy(AsPattern(pattern_));
}

cairo_font_face_t* FontFallback::Face(std::size_t index) {
    cairo_font_face_t*& face = faces_[index];
    if (face == nullptr) {
        FcFontSet* fonts = AsFontSet(fonts_);
        if (fonts == nullptr || fonts->nfont == 0) {
            // No font is installed at all: cairo still makes a face of the pattern.
            face = cairo_ft_font_face_create_for_pattern(AsPattern(pattern_));
        } else {
            FcPattern* ready = FcFontRenderPrepare(nullptr, AsPattern(pattern_),
                                                   fonts->fonts[static_cast<int>(index)]);
            face = cairo_ft_font_face_create_for_pattern(ready);
            FcPatternDestroy(ready);
        }
    }
    return face;
}

std::size_t FontFallback::FontFor(char32_t character) {
    // Digits, blanks and the rest of ASCII are in nearly every font: asked for once each.
    if (character < AsciiEnd && asciiFont_[character] != Unknown) {
        return asciiFont_[character];
    }
    const auto known = fontOf_.find(character);
    if (known != fontOf_.end()) {
        return known->second;
    }
    std::size_t chosen = 0;
    FcFontSet* fonts = AsFontSet(fonts_);
    for (int i = 0; fonts != nullptr && i < fonts->nfont; ++i) {
        FcCharSet* characters = nullptr;
        if (FcPatternGetCharSet(fonts->fonts[i], FC_CHARSET, 0, &characters) == FcResultMatch &&
            FcCharSetHasChar(characters, character) != FcFalse) {
            chosen = static_cast<std::size_t>(i);
            break;
        }
    }
    fontOf_.emplace(character, chosen);
    if (character < AsciiEnd) {
        asciiFont_[character] = chosen;
    }
    return chosen;
}

const std::vector<FontRun>& FontFallback::Runs(std::string_view text) {
    std::vector<FontRun>& runs = runs_;
    runs.clear();
    std::size_t runStart = 0;
    std::size_t runFont = 0;
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Char decoded = CharacterAt(text, at);
        // Blanks and marks of no script join the run they stand in.
        const std::size_t font = decoded.code == U' ' && at > 0 ? runFont : FontFor(decoded.code);
        if (at > runStart && font != runFont) {
            runs.push_back({text.substr(runStart, at - runStart), Face(runFont)});
            runStart = at;
        }
        runFont = font;
        at += decoded.length;
    }
    if (runStart < text.size()) {
        runs.push_back({text.substr(runStart), Face(runFont)});
    }
    return runs;
}

}  // namespace reckora::pdf
