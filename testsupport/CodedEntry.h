#pragma once
// A tape entry written the short way the harness prints lines: text, line number, dark ink.

#include <cstdint>
#include <stdexcept>
#include <string>

#include "TapeMark.h"

namespace reckora {

inline TapeEntry CodedEntry(std::string text, std::int64_t code, bool dark = true) {
    const std::optional<MarkAndCount> mark = MarkOfLineCode(code);
    if (!mark) {
        throw std::invalid_argument("no tape line has the number " + std::to_string(code));
    }
    return {std::move(text), mark->mark, mark->itemCount, dark ? Ink::Dark : Ink::Red};
}

}  // namespace reckora
