#pragma once
// Reads stored rows back into records, refusing any value the program could not use: a wrong
// type, a number out of range, a gap in the numbering, text that is too long or not UTF-8.
// Whatever is in the file, these never crash; they say no.

#include <cstdint>
#include <optional>

#include "Sqlite.h"
#include "StoreRecords.h"
#include "Utf8.h"

namespace reckora::store {

// Columns: text, mark, count, negative, note, original, changed.
std::optional<StoredLine> ReadLine(const Statement& row, int first);
// Columns: seq, name, entry, rounding, line, number, note; `after` is the previous sequence.
std::optional<CommandRecord> ReadCommand(const Statement& row, int first, std::int64_t after);
// Columns: id, started, changed, lines, last_seq, last_total, name.
std::optional<SheetSummary> ReadSummary(const Statement& row, int first);

// Whether a line can be stored: a known mark, a count only on a total, texts within bounds.
bool IsStorable(const StoredLine& line);
bool IsStorable(const CommandRecord& command);
// A command name: lower-case ASCII letters, digits and "-", MaxCommandName characters at most.
bool IsCommandName(std::string_view name);

}  // namespace reckora::store
