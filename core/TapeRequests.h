#pragma once
// What the core asks of the window while the user works on the tape: a line of text (a corrected
// entry, a note) and the preview of a pasted column.

#include <string>
#include <vector>

namespace reckora {

struct TextRequest {
    std::string title;
    std::string prompt;
    std::string initial;
};

// A clipboard column read for Paste Column: the numbers as entries in order, their sum as the
// display would show it, and the lines that do not read as numbers.
struct ColumnPreview {
    std::vector<std::string> numbers;
    std::string sum;
    std::vector<std::string> unreadable;
};

}  // namespace reckora
