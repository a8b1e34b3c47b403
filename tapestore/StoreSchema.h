#pragma once
// The layout of the store file: what makes a file one of ours, and the tables of a fresh one.

#include "Sqlite.h"

namespace reckora::store {

// Marks the file as a tape store (PRAGMA application_id), next to the schema version kept in
// PRAGMA user_version.
inline constexpr int kApplicationId = 0x52434B54;
inline constexpr int kSchemaVersion = 1;

enum class FileKind {
    Empty,     // no tables: a new file
    Ours,      // a tape store this program can use
    Unusable,  // another kind of database, or damaged
    Newer,     // a tape store of a newer schema than this program knows
};

// Looks at an open connection without changing anything, in a time that does not grow with the
// tapes' lines. Throws SqliteError when the file cannot even be read.
FileKind InspectFile(Connection& connection);

// Creates the tables of a fresh store, in one transaction.
void CreateSchema(Connection& connection);

}  // namespace reckora::store
