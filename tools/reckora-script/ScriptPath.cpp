#include "ScriptPath.h"

#include <algorithm>

namespace reckora::script {

std::optional<std::filesystem::path> ScriptPath(
    std::string_view named, const std::optional<std::filesystem::path>& folder) {
    const std::filesystem::path path{std::string(named)};
    if (!folder) {
        return path;
    }
    // The checks are on the words alone: nothing a script can do makes a link inside the
    // folder, so a path made only of plain names below it cannot lead out of it.
    const bool plain =
        std::ranges::none_of(path, [](const std::filesystem::path& part) { return part == ".."; });
    if (named.empty() || named.find('\0') != std::string_view::npos || path.has_root_name() ||
        path.has_root_directory() || !plain) {
        return std::nullopt;
    }
    return *folder / path;
}

}  // namespace reckora::script
