#include "NoteSearch.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "Utf8.h"

namespace reckora::store {

namespace {

// A range of capitals and how each folds: by a fixed offset (every letter of the range, or every
// other one where capitals and small letters alternate).
struct FoldRange {
    char32_t first;
    char32_t last;
    std::int32_t offset;
    bool alternating;  // only the letters at an even distance from `first` are capitals
};

constexpr auto FoldRanges = std::to_array<FoldRange>({
    {U'A', U'Z', 32, false},
    {0x00C0, 0x00D6, 32, false},               // À..Ö
    {0x00D8, 0x00DE, 32, false},               // Ø..Þ (not ×)
    {0x0100, 0x012F, 1, true},                 // Ā..į
    {0x0132, 0x0137, 1, true},                 // Ĳ..ķ
    {0x0139, 0x0148, 1, true},                 // Ĺ..ň
    {0x014A, 0x0177, 1, true},                 // Ŋ..ŷ, Œ among them
    {0x0178, 0x0178, 0x00FF - 0x0178, false},  // Ÿ
    {0x0179, 0x017E, 1, true},                 // Ź..ž
    {0x0386, 0x0386, 0x03AC - 0x0386, false},  // Ά
    {0x0388, 0x038A, 0x03AD - 0x0388, false},  // Έ..Ί
    {0x038C, 0x038C, 0x03CC - 0x038C, false},  // Ό
    {0x038E, 0x038F, 0x03CD - 0x038E, false},  // Ύ, Ώ
    {0x0391, 0x03A1, 32, false},               // Α..Ρ
    {0x03A3, 0x03AB, 32, false},               // Σ..Ϋ
    {0x03C2, 0x03C2, 1, false},                // final ς as σ
    {0x0400, 0x040F, 80, false},               // Ѐ..Џ
    {0x0410, 0x042F, 32, false},               // А..Я
    {0x0460, 0x0481, 1, true},                 // Ѡ..ҁ
    {0x048A, 0x04BF, 1, true},                 // Ҋ..ҿ
    {0x04C0, 0x04C0, 0x04CF - 0x04C0, false},  // Ӏ
    {0x04C1, 0x04CE, 1, true},                 // Ӂ..ӎ
    {0x04D0, 0x04FF, 1, true},                 // Ӑ..ӿ
});

char32_t FoldOne(char32_t code) {
    for (const FoldRange& range : FoldRanges) {
        if (code >= range.first && code <= range.last &&
            (!range.alternating || (code - range.first) % 2 == 0)) {
            return static_cast<char32_t>(static_cast<std::int32_t>(code) + range.offset);
        }
    }
    return code;
}

}  // namespace

std::string FoldedCase(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const std::optional<Utf8Char> decoded = DecodeUtf8(text, at);
        if (!decoded) {
            folded += text[at++];
            continue;
        }
        const char32_t code = decoded->code;
        at += decoded->length;
        if (code == 0x00DF || code == 0x1E9E) {
            folded += "ss";  // ß, ẞ: "Straße" and "STRASSE" are one word
        } else {
            AppendUtf8(folded, FoldOne(code));
        }
    }
    return folded;
}

NoteSearch::NoteSearch(std::string_view query) {
    constexpr std::string_view BlankTexts = " \t\r\n\v\f";
    for (std::size_t start = 0;
         (start = query.find_first_not_of(BlankTexts, start)) != std::string_view::npos;) {
        const std::size_t end = std::min(query.find_first_of(BlankTexts, start), query.size());
        words_.push_back(FoldedCase(query.substr(start, end - start)));
        start = end;
    }
}

bool NoteSearch::Matches(std::string_view note) const {
    if (words_.empty()) {
        return false;
    }
    const std::string folded = FoldedCase(note);
    return std::all_of(words_.begin(), words_.end(), [&folded](const std::string& word) {
        return folded.find(word) != std::string::npos;
    });
}

}  // namespace reckora::store
