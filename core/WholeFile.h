#pragma once
// Writing a file so that it is either whole or not there: the content goes to a hidden file
// beside it, which takes the file's name only once it is written and closed.

#include <filesystem>
#include <string>
#include <string_view>

namespace reckora {

// False with the path and the cause in `error` when the file cannot be written; what was at
// `path` before is then left as it was.
bool WriteWholeFile(const std::filesystem::path& path, std::string_view content,
                    std::string& error);

}  // namespace reckora
