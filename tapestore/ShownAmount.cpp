#include "ShownAmount.h"

#include <charconv>

namespace reckora::store {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool TakePrefix(std::string_view& text, std::string_view prefix) {
    if (prefix.empty() || !text.starts_with(prefix)) {
        return false;
    }
    text.remove_prefix(prefix.size());
    return true;
}

}  // namespace

std::optional<std::string> PlainAmount(std::string_view shown, const Separators& separators) {
    std::string plain;
    if (TakePrefix(shown, "-")) {
        plain.push_back('-');
    }
    bool digits = false;
    bool fraction = false;
    while (!shown.empty()) {
        if (IsDigit(shown.front())) {
            plain.push_back(shown.front());
            shown.remove_prefix(1);
            digits = true;
        } else if (!fraction && digits && TakePrefix(shown, separators.decimal)) {
            plain.push_back('.');
            fraction = true;
        } else if (!fraction && digits && TakePrefix(shown, separators.grouping)) {
            continue;
        } else {
            return std::nullopt;
        }
    }
    if (!digits) {
        return std::nullopt;
    }
    if (plain.back() == '.') {
        plain.pop_back();  // a whole number shown with its point
    }
    return plain;
}

std::optional<double> AmountValue(std::string_view shown, const Separators& separators) {
    const std::optional<std::string> plain = PlainAmount(shown, separators);
    if (!plain) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(plain->data(), plain->data() + plain->size(), value);
    if (error != std::errc{} || end != plain->data() + plain->size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace reckora::store
