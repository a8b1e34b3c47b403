// Reading a JSON value back into the dump's compact form, for `expect`.

#include <cctype>

#include "JsonText.h"
#include "Utf8.h"

namespace reckora::script {
namespace {

class CompactWriter {
public:
    explicit CompactWriter(std::string_view text) : text_(text) {}

    std::optional<std::string> Run() {
        std::string out;
        if (!Value(out)) {
            return std::nullopt;
        }
        SkipBlanks();
        if (at_ != text_.size()) {
            return std::nullopt;
        }
        return out;
    }

private:
    void SkipBlanks() {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) {
            ++at_;
        }
    }
    bool Take(char c) {
        SkipBlanks();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    bool Word(std::string_view word, std::string& out) {
        if (text_.substr(at_, word.size()) != word) {
            return false;
        }
        at_ += word.size();
        out += word;
        return true;
    }

    bool Value(std::string& out) {
        SkipBlanks();
        if (at_ >= text_.size()) {
            return false;
        }
        switch (text_[at_]) {
            case '"':
                return String(out);
            case '[':
                return Sequence(out, '[', ']', false);
            case '{':
                return Sequence(out, '{', '}', true);
            case 't':
                return Word("true", out);
            case 'f':
                return Word("false", out);
            case 'n':
                return Word("null", out);
            default:
                return Number(out);
        }
    }

    bool Sequence(std::string& out, char open, char close, bool members) {
        Take(open);
        out += open;
        if (Take(close)) {
            out += close;
            return true;
        }
        bool first = true;
        do {
            if (!first) {
                out += ',';
            }
            first = false;
            if (members) {
                SkipBlanks();
                if (at_ >= text_.size() || text_[at_] != '"' || !String(out) || !Take(':')) {
                    return false;
                }
                out += ':';
            }
            if (!Value(out)) {
                return false;
            }
        } while (Take(','));
        if (!Take(close)) {
            return false;
        }
        out += close;
        return true;
    }

    bool Number(std::string& out) {
        const std::size_t start = at_;
        if (at_ < text_.size() && text_[at_] == '-') {
            ++at_;
        }
        const std::size_t digits = at_;
        while (at_ < text_.size() &&
               (std::isdigit(static_cast<unsigned char>(text_[at_])) || text_[at_] == '.' ||
                text_[at_] == 'e' || text_[at_] == 'E' || text_[at_] == '+' || text_[at_] == '-')) {
            ++at_;
        }
        if (at_ == digits || !std::isdigit(static_cast<unsigned char>(text_[digits]))) {
            return false;
        }
        out += text_.substr(start, at_ - start);
        return true;
    }

    bool Hex4(unsigned& code) {
        if (at_ + 4 > text_.size()) {
            return false;
        }
        code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[at_++];
            code <<= 4;
            if (c >= '0' && c <= '9') {
                code |= static_cast<unsigned>(c - '0');
            } else if (c >= 'a' && c <= 'f') {
                code |= static_cast<unsigned>(c - 'a' + 10);
            } else if (c >= 'A' && c <= 'F') {
                code |= static_cast<unsigned>(c - 'A' + 10);
            } else {
                return false;
            }
        }
        return true;
    }

    bool String(std::string& out) {
        ++at_;  // the opening quote
        std::string decoded;
        while (at_ < text_.size() && text_[at_] != '"') {
            const char c = text_[at_++];
            if (c != '\\') {
                decoded += c;
                continue;
            }
            if (at_ >= text_.size()) {
                return false;
            }
            const char escaped = text_[at_++];
            constexpr std::string_view From = "\"\\/bfnrt";
            constexpr std::string_view To = "\"\\/\b\f\n\r\t";
            if (const std::size_t i = From.find(escaped); i != std::string_view::npos) {
                decoded += To[i];
            } else if (escaped == 'u') {
                unsigned code = 0;
                if (!Hex4(code)) {
                    return false;
                }
                unsigned low = 0;
                if (code >= 0xD800 && code < 0xDC00 && text_.substr(at_, 2) == "\\u") {
                    at_ += 2;
                    if (!Hex4(low) || low < 0xDC00 || low > 0xDFFF) {
                        return false;
                    }
                    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                }
                AppendUtf8(decoded, static_cast<char32_t>(code));
            } else {
                return false;
            }
        }
        if (at_ >= text_.size()) {
            return false;
        }
        ++at_;  // the closing quote
        out += JsonString(decoded);
        return true;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace

std::optional<std::string> CompactJson(std::string_view text) {
    return CompactWriter(text).Run();
}

}  // namespace reckora::script
