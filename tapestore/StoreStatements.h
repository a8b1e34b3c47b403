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
        deleteLines, deleteCommands, deleteSheet, entryLogGet, entryLogSet, entryLogDelete;
};

}  // namespace reckora::store
