#pragma once
// Saving the tape as a PDF file, where the build can (cairo); a build without it says so.

#include <cstdint>
#include <filesystem>
#include <string>

#include "TapePrint.h"

namespace reckora {

// Writes lines 1..count as printed, headed with `with.title`, to `path`. On failure returns false
// with the cause in `error`; when the progress stopped it, false with `error` empty. The file
// is either written whole or left as it was.
bool WriteTapePdf(const std::filesystem::path& path, const TapeLines& lines, std::int32_t count,
                  const PrintExtras& with, std::string& error);

}  // namespace reckora
