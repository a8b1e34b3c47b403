#pragma once
// What the core asks of the window while the user works on the tape: a line of text (a corrected
// entry, a note) and the preview of a pasted column.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace reckora {

struct TextRequest {
    std::string title;
    std::string prompt;
    std::string initial;
    // When set, OK hands the text to it: nothing means it was taken and the dialog closes; a
    // refusal's message (as showMessage words it) keeps the dialog open with the text and the
    // reason shown.
    std::function<std::optional<std::string>(const std::string& text)> apply = {};
};

// A clipboard column read for Paste Column: the numbers as the entries they are added as, in
// order, their sum as the display would show it, and the lines that do not read as numbers.
struct ColumnPreview {
    std::vector<std::string> numbers;
    std::string sum;
    std::vector<std::string> unreadable;
};

}  // namespace reckora
