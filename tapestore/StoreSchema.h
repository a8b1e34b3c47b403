#pragma once
// The layout of the store file: what makes a file one of ours, and the tables of a fresh one.

#include "Sqlite.h"

namespace reckora::store {

// Marks the file as a tape store (PRAGMA application_id), next to the schema version kept in
// PRAGMA user_version.
inline constexpr int ApplicationId = 0x52434B54;
// Version 3 adds the business functions' lines and commands to what version 2 keeps.
inline constexpr int SchemaVersion = 3;
// The oldest version a file can be migrated from.
inline constexpr int OldestSchemaVersion = 1;

// The command table of the current version, for a fresh store and for the migration.
inline constexpr const char* CommandTable = R"sql(
CREATE TABLE command(
  sheet INTEGER NOT NULL,
  seq INTEGER NOT NULL,
  name TEXT NOT NULL,
  entry TEXT NOT NULL,
  rounding INTEGER NOT NULL,
  line INTEGER,
  number TEXT,
  note TEXT,
  tax_rate REAL,
  rounding_direction TEXT,
  PRIMARY KEY(sheet, seq)) WITHOUT ROWID;
)sql";

enum class FileKind {
    Empty,     // no tables: a new file
    Ours,      // a tape store of the current version
    Older,     // a tape store of an older version, to be migrated
    Unusable,  // another kind of database, or damaged
    Newer,     // a tape store of a newer schema than this program knows
};

// Looks at an open connection without changing anything, in a time that does not grow with the
// tapes' lines. Throws SqliteError when the file cannot even be read.
FileKind InspectFile(Connection& connection);

// Creates the tables of a fresh store, in one transaction.
// The table of the entry logs kept beside the sheets, made in a file that has none yet.
void MakeEntryLogTable(Connection& connection);
void CreateSchema(Connection& connection);

}  // namespace reckora::store
