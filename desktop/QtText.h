#pragma once
// The calculator's texts (UTF-8 string views from its tables and libraries) as Qt strings.

#include <QString>
#include <string_view>

namespace reckora {

inline QString QtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace reckora
