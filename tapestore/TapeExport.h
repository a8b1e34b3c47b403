#pragma once
// A sheet's lines written out for saving or copying: plain text laid out as the tape prints, or
// CSV for a spreadsheet. Pure functions of the lines.

#include <string>
#include <vector>

#include "NumberLocale.h"
#include "ShownAmount.h"
#include "StoreRecords.h"

namespace reckora::store {

// Width of a text row: the left mark at column 0, the number ending before column 23, the right
// mark at column 24, as on paper.
inline constexpr int kTextTapeColumns = 26;

// One row per tape line, UTF-8, each ended by "\n": a total line is preceded by its separator
// rule and shows its item count in front; a line the tape draws over the result before it (the
// same text with an operation's mark) takes that result's row. A changed line ends with "*" in
// the last column, a corrected one is followed by its original struck through, and a note
// follows after two spaces.
// The lines are in their kept form; numbers are written with the reader's separators.
std::string TapeAsText(const std::vector<StoredLine>& lines, const NumberLocale& shownWith);

// RFC 4180: CRLF line ends, fields quoted when they hold a comma, a quote or a line break. A
// header row, then per line: line, kind, amount (plain, "." and no grouping, from the kept value;
// empty for an error line), text (as the reader's locale shows it), count (of a total; empty
// otherwise), negative ("yes"/"no"), note, original.
std::string TapeAsCsv(const std::vector<StoredLine>& lines, const NumberLocale& shownWith);

}  // namespace reckora::store
