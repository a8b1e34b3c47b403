#include "StoreStatements.h"

#include <string>

namespace reckora::store {

namespace {

// The id of a new sheet: one above the largest, as SQLite would choose, but never below 1
// (reading takes only ids from 1 on, so a damaged file holding ids of 0 or less must not make
// every sheet after it unreadable) and never a random one after the largest id possible.
constexpr const char* NewSheetId =
    "CASE WHEN ifnull(max(id), 0) < 9223372036854775807 THEN max(1, ifnull(max(id), 0) + 1) "
    "WHEN NOT EXISTS (SELECT 1 FROM sheet WHERE id = 1) THEN 1 "
    "ELSE (SELECT min(id) + 1 FROM sheet AS s WHERE id >= 1 AND "
    "NOT EXISTS (SELECT 1 FROM sheet WHERE id = s.id + 1)) END";

constexpr const char* SummaryColumns =
    "SELECT id, started, changed, lines, last_seq, last_total, name FROM sheet ";

}  // namespace

PreparedStatements::PreparedStatements(Connection& db)
    : begin(db, "BEGIN IMMEDIATE"),
      commit(db, "COMMIT"),
      sheetRow(db, "SELECT lines, last_seq, owner, last_total FROM sheet WHERE id = ?"),
      sheetState(db, "SELECT state FROM sheet WHERE id = ?"),
      summary(db, (std::string(SummaryColumns) + "WHERE id = ?").c_str()),
      list(db, (std::string(SummaryColumns) + "ORDER BY changed DESC, id DESC").c_str()),
      byAmount(db, (std::string(SummaryColumns) +
                    "WHERE id IN (SELECT sheet FROM line WHERE amount = ?) "
                    "ORDER BY changed DESC, id DESC")
                       .c_str()),
      notes(db, "SELECT sheet, note FROM line WHERE note IS NOT NULL"),
      names(db, "SELECT id, name FROM sheet WHERE name IS NOT NULL"),
      setName(db, "UPDATE sheet SET name = ?2 WHERE id = ?1"),
      insertSheet(db, ("INSERT INTO sheet(id, started, changed, lines, last_seq, owner) "
                       "VALUES((SELECT " +
                       std::string(NewSheetId) + " FROM sheet), ?1, ?1, 0, 0, ?2)")
                          .c_str()),
      updateSheet(db,
                  "UPDATE sheet SET changed = ?2, lines = ?3, last_seq = ?4, last_total = ?5, "
                  "state = ?6 WHERE id = ?1"),
      touchSheet(db, "UPDATE sheet SET changed = ?2 WHERE id = ?1"),
      claim(db, "UPDATE sheet SET owner = ?2 WHERE id = ?1"),
      release(db, "UPDATE sheet SET owner = NULL WHERE id = ?1 AND owner IS ?2"),
      currentGet(db, "SELECT value FROM meta WHERE key = 'current'"),
      currentSet(db, "INSERT OR REPLACE INTO meta(key, value) VALUES('current', ?)"),
      cutLines(db, "DELETE FROM line WHERE sheet = ? AND no > ?"),
      insertLine(db,
                 "INSERT INTO line(sheet, no, text, mark, count, negative, amount, note, "
                 "original, changed) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
      updateLine(db,
                 "UPDATE line SET text = ?3, mark = ?4, count = ?5, negative = ?6, "
                 "amount = ?7, note = ?8, original = ?9, changed = ?10 "
                 "WHERE sheet = ?1 AND no = ?2"),
      lastTotal(db,
                "SELECT text FROM line WHERE sheet = ? AND mark = 100 ORDER BY no DESC LIMIT 1"),
      setNote(db, "UPDATE line SET note = ? WHERE sheet = ? AND no = ?"),
      insertCommand(
          db,
          "INSERT OR REPLACE INTO command(sheet, seq, name, entry, rounding, line, number, "
          "note, tax_rate, rounding_direction) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
      loadLines(db,
                "SELECT no, text, mark, count, negative, note, original, changed FROM line "
                "WHERE sheet = ? ORDER BY no"),
      loadCommands(db,
                   "SELECT seq, name, entry, rounding, line, number, note, tax_rate, "
                   "rounding_direction FROM command "
                   "WHERE sheet = ? ORDER BY seq"),
      deleteLines(db, "DELETE FROM line WHERE sheet = ?"),
      deleteCommands(db, "DELETE FROM command WHERE sheet = ?"),
      deleteSheet(db, "DELETE FROM sheet WHERE id = ?") {}

EntryLogStatements::EntryLogStatements(Connection& db)
    : get(db, "SELECT log FROM entry_log WHERE sheet = ?"),
      set(db, "INSERT OR REPLACE INTO entry_log(sheet, log) VALUES(?, ?)"),
      remove(db, "DELETE FROM entry_log WHERE sheet = ?") {}

}  // namespace reckora::store
