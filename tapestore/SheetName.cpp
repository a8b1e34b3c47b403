#include "SheetName.h"

#include <array>
#include <cstdint>
#include <optional>

namespace reckora::store {

namespace {

// One code point decoded from UTF-8 with its length in bytes; nothing for a malformed, overlong
// or surrogate sequence.
struct CodePoint {
    char32_t value;
    std::size_t bytes;
};

std::optional<CodePoint> DecodeAt(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t value = 0;
    char32_t lowest = 0;
    if (lead < 0x80) {
        return CodePoint{lead, 1};
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, lowest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, lowest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, lowest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (at + length > text.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return std::nullopt;
        }
        value = (value << 6) | (byte(i) & 0x3F);
    }
    if (value < lowest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return std::nullopt;
    }
    return CodePoint{value, length};
}

// Blanks a name never begins or ends with; inside, a run of them becomes one space.
constexpr std::array<char32_t, 8> kBlanks{U' ',  U'\t', U'\n',     U'\r',
                                          U'\v', U'\f', U'\u00A0', U'\u3000'};

bool IsBlank(char32_t c) {
    for (char32_t blank : kBlanks) {
        if (c == blank) {
            return true;
        }
    }
    return false;
}

bool IsControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c < 0xA0) || c == U'\u2028' || c == U'\u2029';
}

}  // namespace

SheetNameResult ReadSheetName(std::string_view typed) {
    SheetNameResult result;
    std::size_t characters = 0;
    bool blankPending = false;
    for (std::size_t at = 0; at < typed.size();) {
        const std::optional<CodePoint> point = DecodeAt(typed, at);
        if (!point) {
            return {{}, NameRefusal::NotText};
        }
        const std::string_view bytes = typed.substr(at, point->bytes);
        at += point->bytes;
        if (IsBlank(point->value)) {
            blankPending = !result.name.empty();
            continue;
        }
        if (IsControl(point->value)) {
            return {{}, NameRefusal::ControlCharacter};
        }
        if (blankPending) {
            result.name.push_back(' ');
            ++characters;
            blankPending = false;
        }
        result.name.append(bytes);
        ++characters;
    }
    if (characters > kMaxSheetNameCharacters) {
        return {{}, NameRefusal::TooLong};
    }
    return result;
}

}  // namespace reckora::store
