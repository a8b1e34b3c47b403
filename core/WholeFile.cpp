#include "WholeFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace reckora {

bool WriteWholeFile(const std::filesystem::path& path, std::string_view content,
                    std::string& error) {
    const std::filesystem::path partial =
        path.parent_path() / ("." + path.filename().string() + ".partial");
    errno = 0;
    std::ofstream file(partial, std::ios::binary | std::ios::trunc);
    if (file) {
        file.write(content.data(), static_cast<std::streamsize>(content.size()));
        file.close();
    }
    if (!file) {
        const int cause = errno;
        std::error_code ignored;
        std::filesystem::remove(partial, ignored);
        error = path.string() + ": " + (cause != 0 ? std::strerror(cause) : "cannot be written");
        return false;
    }
    std::error_code renamed;
    std::filesystem::rename(partial, path, renamed);
    if (renamed) {
        std::error_code ignored;
        std::filesystem::remove(partial, ignored);
        error = path.string() + ": " + renamed.message();
        return false;
    }
    return true;
}

}  // namespace reckora
