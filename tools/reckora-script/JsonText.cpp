#include "JsonText.h"

#include <cstdio>

#include "Utf8.h"

namespace reckora::script {

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    while (!text.empty()) {
        const unsigned char c = static_cast<unsigned char>(text.front());
        const std::optional<Utf8Char> next = DecodeUtf8(text, 0);
        const std::size_t length = next ? next->length : 0;
        if (length == 0) {
            out += "\uFFFD";
            text.remove_prefix(1);
            continue;
        }
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(static_cast<char>(c));
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    out.push_back('"');
    return out;
}

}  // namespace reckora::script
