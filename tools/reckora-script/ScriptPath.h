#pragma once
// Where a path named in a script leads: as given, or, for a runner kept to one folder (the
// fuzzer's scratch folder), inside that folder and nowhere else.

#include <filesystem>
#include <optional>
#include <string_view>

namespace reckora::script {

// The file `named` stands for. Without a folder it is the path as written. With one, only a
// relative path that stays inside it is accepted (no root, no drive, no "..", no NUL byte) and
// it is resolved there; nullopt for any other.
std::optional<std::filesystem::path> ScriptPath(std::string_view named,
                                                const std::optional<std::filesystem::path>& folder);

}  // namespace reckora::script
