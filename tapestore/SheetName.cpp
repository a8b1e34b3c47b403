#include "SheetName.h"

#include <array>
#include <cstdint>
#include <optional>

#include "Utf8.h"

namespace reckora::store {

namespace {

// Blanks a name never begins or ends with; inside, a run of them becomes one space.
constexpr std::array<char32_t, 8> BlankTexts{U' ',  U'\t', U'\n',     U'\r',
                                             U'\v', U'\f', U'\u00A0', U'\u3000'};

bool IsBlank(char32_t c) {
    for (char32_t blank : BlankTexts) {
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
        const std::optional<Utf8Char> point = DecodeUtf8(typed, at);
        if (!point) {
            return {{}, NameRefusal::NotText};
        }
        const std::string_view bytes = typed.substr(at, point->length);
        at += point->length;
        if (IsBlank(point->code)) {
            blankPending = !result.name.empty();
            continue;
        }
        if (IsControl(point->code)) {
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
    if (characters > MaxSheetNameCharacters) {
        return {{}, NameRefusal::TooLong};
    }
    return result;
}

}  // namespace reckora::store
