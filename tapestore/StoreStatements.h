#pragma once
// The prepared statements of one open store file, made once when the file is opened and reused
// for every read and write until it is closed.

#include "Sqlite.h"

namespace reckora::store {

// The prepared statements of one open store file.
struct PreparedStatements {
    explicit PreparedStatements(Connection& db);

    Statement begin, commit, sheetRow, sheetState, summary, list, byAmount, notes, names, setName,
        insertSheet, updateSheet, touchSheet, claim, release, currentGet, currentSet, cutLines,
        insertLine, updateLine, lastTotal, setNote, insertCommand, loadLines, loadCommands,
        deleteLines, deleteCommands, deleteSheet;
};

// The statements of the entry logs kept beside the sheets, in a table of their own that opening
// does not check (it grows with the tapes). A file made by an earlier program may not have it:
// one that is only read then has no such statements.
struct EntryLogStatements {
    explicit EntryLogStatements(Connection& db);

    Statement get, set, remove;
};

}  // namespace reckora::store
