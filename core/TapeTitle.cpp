#include "TapeTitle.h"

#include <array>
#include <ctime>

namespace reckora {

std::string TapeTitle(std::string_view name, std::int64_t startedMs) {
    if (name.find_first_not_of(' ') != std::string_view::npos) {
        return std::string(name);
    }
    // Floor division, so that a moment before 1970 falls on the day it belongs to.
    std::int64_t seconds = startedMs / 1000;
    if (startedMs % 1000 < 0) {
        --seconds;
    }
    const auto when = static_cast<std::time_t>(seconds);
    const std::tm* local = std::localtime(&when);
    std::array<char, 16> text{};
    if (local == nullptr || std::strftime(text.data(), text.size(), "%Y-%m-%d", local) == 0) {
        return {};
    }
    return text.data();
}

}  // namespace reckora
