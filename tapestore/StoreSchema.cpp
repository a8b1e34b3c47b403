#include "StoreSchema.h"

namespace reckora::store {

namespace {

std::int64_t PragmaValue(Connection& connection, const char* sql) {
    Statement statement(connection, sql);
    return statement.Step() ? statement.Int(0) : 0;
}

// The whole layout. Lines and commands are keyed by (sheet, number) without a rowid, so a row
// holds no more than its values; flags and counts of 0 or 1 take no bytes of payload. The sheet
// row carries the summary the history shows, kept up to date by every write. Every number is in
// the neutral notation ("." decimals, "," grouping), whatever the locale it was shown in; a
// command says what it was by name, never by a key's place on the window.
constexpr const char* Schema = R"sql(
CREATE TABLE meta(key TEXT PRIMARY KEY, value) WITHOUT ROWID;
CREATE TABLE sheet(
  id INTEGER PRIMARY KEY,
  started INTEGER NOT NULL,
  changed INTEGER NOT NULL,
  lines INTEGER NOT NULL,
  last_seq INTEGER NOT NULL,
  last_total TEXT,
  state TEXT,
  owner INTEGER,
  name TEXT);
CREATE TABLE line(
  sheet INTEGER NOT NULL,
  no INTEGER NOT NULL,
  text TEXT NOT NULL,
  mark INTEGER NOT NULL,
  count INTEGER NOT NULL,
  negative INTEGER NOT NULL,
  amount REAL,
  note TEXT,
  original TEXT,
  changed INTEGER,
  PRIMARY KEY(sheet, no)) WITHOUT ROWID;
CREATE INDEX line_by_amount ON line(amount) WHERE amount IS NOT NULL;
CREATE INDEX line_with_note ON line(sheet) WHERE note IS NOT NULL;
)sql";

}  // namespace

FileKind InspectFile(Connection& connection) {
    const std::int64_t tables = PragmaValue(connection, "SELECT count(*) FROM sqlite_schema");
    const std::int64_t application = PragmaValue(connection, "PRAGMA application_id");
    const std::int64_t version = PragmaValue(connection, "PRAGMA user_version");
    if (tables == 0 && application == 0 && version == 0) {
        return FileKind::Empty;
    }
    if (application == ApplicationId && version > SchemaVersion) {
        return FileKind::Newer;
    }
    if (application != ApplicationId || version < OldestSchemaVersion) {
        return FileKind::Unusable;
    }
    // Only the small tables that opening reads are checked, so opening does not take longer as
    // tapes grow: damage elsewhere is found by SQLite when a sheet is read (that sheet is then
    // kept as it is and the tape goes on on a new one), and a truncated file fails before this.
    for (const char* table : {"PRAGMA quick_check(meta)", "PRAGMA quick_check(sheet)"}) {
        Statement check(connection, table);
        if (!check.Step() || check.Text(0) != "ok") {
            return FileKind::Unusable;
        }
    }
    return version == SchemaVersion ? FileKind::Ours : FileKind::Older;
}

// Made on opening rather than with the rest, so that a file of this version made before it gets it
// too; programs that know nothing of it leave it alone.
void MakeEntryLogTable(Connection& connection) {
    connection.Execute(
        "CREATE TABLE IF NOT EXISTS entry_log(sheet INTEGER PRIMARY KEY, log TEXT NOT NULL)");
}

void CreateSchema(Connection& connection) {
    // Small pages: a command touches four or five pages, and each is written whole to the log.
    connection.Execute("PRAGMA page_size = 1024");
    connection.Execute("BEGIN IMMEDIATE");
    try {
        connection.Execute(Schema);
        connection.Execute(CommandTable);
        connection.Execute(("PRAGMA application_id = " + std::to_string(ApplicationId) +
                            "; PRAGMA user_version = " + std::to_string(SchemaVersion))
                               .c_str());
        connection.Execute("COMMIT");
    } catch (const SqliteError&) {
        sqlite3_exec(connection.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

}  // namespace reckora::store
