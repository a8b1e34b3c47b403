#pragma once
// Reads the amount of a tape line back from its text as shown, undoing the locale's separators:
// "-1,234.50" with "." and "," gives the plain number "-1234.50".

#include <optional>
#include <string>
#include <string_view>

namespace reckora::store {

// The separators the text was shown with (one UTF-8 character each; grouping may be empty).
struct Separators {
    std::string decimal = ".";
    std::string grouping = ",";
};

// The amount as a plain number: an optional "-", digits, and "." with digits when the text has
// a fraction; no grouping. Nothing for a text that is not a number (an error line).
std::optional<std::string> PlainAmount(std::string_view shown, const Separators& separators);

// The same amount as a double.
std::optional<double> AmountValue(std::string_view shown, const Separators& separators);

}  // namespace reckora::store
