#pragma once
// The search for words in notes, alike wherever notes are searched (Find on the tape, the tape
// history): every word must occur in the note, capitals folded the same way on both sides.

#include <string>
#include <string_view>
#include <vector>

namespace reckora::store {

// `text` (UTF-8) with capitals folded for comparing: ASCII, the Latin-1 letters (German umlauts,
// French accents), Latin Extended-A (Œ, Ÿ and the letters of other European languages), Greek and
// Cyrillic; ß and ẞ fold to "ss". Bytes that are not valid UTF-8 stay as they are.
std::string FoldedCase(std::string_view text);

class NoteSearch {
public:
    // The words of `query`, split at blanks.
    explicit NoteSearch(std::string_view query);

    // Whether there is no word to look for (a search for nothing finds nothing).
    bool Empty() const { return words_.empty(); }
    // Whether every word occurs in `note`.
    bool Matches(std::string_view note) const;

private:
    std::vector<std::string> words_;  // folded
};

}  // namespace reckora::store
