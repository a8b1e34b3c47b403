#pragma once
// What a tape line may carry besides its value: a note, the text it showed before a correction,
// and the change mark. Rare, so the tape keeps them apart from its lines, by position.

#include <string>

namespace reckora {

struct LineExtras {
    std::string note;      // empty: none
    std::string original;  // empty: not corrected; else the text the line showed first
    bool changed = false;  // a correction changed this line's value

    bool Empty() const { return note.empty() && original.empty() && !changed; }

    friend bool operator==(const LineExtras&, const LineExtras&) = default;
};

}  // namespace reckora
