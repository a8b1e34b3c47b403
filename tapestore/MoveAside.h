#pragma once
// Puts an unusable store out of the way without losing it: the file and its write-ahead log and
// shared-memory companions are renamed to a dated name beside it.

#include <filesystem>
#include <string>

namespace reckora::store {

// Renames `path` (and its -wal, -shm and -journal files if present) to
// `path`.unusable-<YYYY-MM-DD-hhmmss> (with -2, -3 ... when taken) and gives the new path of the
// store file. Throws std::filesystem::filesystem_error when the rename fails.
std::filesystem::path MoveAside(const std::filesystem::path& path, std::int64_t nowMs);

}  // namespace reckora::store
