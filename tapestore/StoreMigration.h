#pragma once
// Brings a store file of an older format version to the current one, in place and in one
// transaction, after a byte-for-byte copy of the old file is kept beside it.
//
// Version 1 kept numbers as the locale of the moment showed them ("1.310,25" under German) and
// commands by a key's place on the window. Version 2 keeps numbers in the neutral notation and
// commands by name. Version 3 adds the business functions' line marks and command names, nothing
// else. Which separators a version 1 sheet was written with is read from the sheet
// itself: its memory caption always shows the decimal separator (the memory indicator is written
// with a trailing separator even for whole numbers); without one, its lines and entries are asked.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "NumberLocale.h"
#include "Sqlite.h"

namespace reckora::store {

// Where the copy of an older file is kept: beside it, named after it and its version
// ("tapes.db.version1", "tapes.db.version2").
std::filesystem::path OldVersionCopyPath(const std::filesystem::path& store, int version);

// Copies the file (after writing its log into it) to OldVersionCopyPath, then migrates it. Throws
// SqliteError when the file cannot be read or written; a failed migration leaves the file as it
// was (the transaction is rolled back).
void MigrateToCurrent(Connection& connection, const std::filesystem::path& path, int version);

// A store that may not be written, migrated in memory: a connection to a migrated copy of it,
// the file left as it is. Throws SqliteError.
Connection MigratedCopy(Connection& source);

// The version of an open store file (PRAGMA user_version).
int SchemaVersionOf(Connection& connection);

// The pieces of the version-1 migration, for the tests.
namespace v1 {

// The separators a sheet was shown with, from its memory caption, else from its lines' texts and
// its commands' entries; nothing when none of them shows one.
std::optional<NumberLocale> SeparatorsOf(std::string_view memoryCaption,
                                         const std::vector<std::string>& lines,
                                         const std::vector<std::string>& entries);

// The name of a version-1 command code: the keys by their place 0..30, then 100..104.
std::string CommandName(std::int64_t code);

// A version-1 state text with its captions and entry in the neutral notation, as version 2
// keeps it; a text that is not a version-1 state comes back unchanged.
std::string StateText(std::string_view text, const NumberLocale& shownWith);

}  // namespace v1

}  // namespace reckora::store
