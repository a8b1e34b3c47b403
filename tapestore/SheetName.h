#pragma once
// The name a user gives a kept tape: read from what was typed or pasted, or refused with the
// reason. A pure function, so that every way of naming a tape applies the same rules.

#include <cstddef>
#include <string>
#include <string_view>

namespace reckora::store {

// The most characters (Unicode code points) a name may have: it has to fit a window's title.
inline constexpr std::size_t MaxSheetNameCharacters = 80;

enum class NameRefusal {
    None,
    TooLong,           // more than MaxSheetNameCharacters after trimming
    NotText,           // not valid UTF-8
    ControlCharacter,  // a control character other than blanks, tabs and line breaks
};

struct SheetNameResult {
    std::string name;  // empty: the tape has no name (an empty or blank text removes it)
    NameRefusal refusal = NameRefusal::None;
};

// Trims blanks (also no-break and ideographic spaces) at both ends and turns every run of
// blanks, tabs and line breaks inside into one space, so that a name pasted from a document
// stays on one line.
SheetNameResult ReadSheetName(std::string_view typed);

}  // namespace reckora::store
