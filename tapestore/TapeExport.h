#pragma once
// A sheet's lines written out for saving or copying: plain text laid out as the tape prints, or
// CSV for a spreadsheet. Pure functions of the lines.

#include <string>
#include <string_view>
#include <vector>

#include "NumberLocale.h"
#include "StoreRecords.h"

namespace reckora::store {

// Width of a text row: the left mark at column 0, the number ending before column 23, the right
// mark at column 24, as on paper.
inline constexpr int TextTapeColumns = 26;

// How a corrected line names its original in the text form, "%1" standing for the original as
// shown: "(was %1)" in English, the user's language in the program.
inline constexpr std::string_view PlainOriginalText = "(was %1)";

// One row per tape line, UTF-8, each ended by "\n": a total line is preceded by its separator
// rule and shows its item count in front, a grand total likewise its mark and count of totals
// ("GT 2"); a line the tape draws over the result before it (the
// same text with an operation's mark) takes that result's row. A changed line ends with "*" in
// the last column, a corrected one is followed by its original in plain characters as
// `originalInText` words it (so that a search for the number finds it), and a note follows after
// two spaces. The lines are in their kept form; numbers are written with the reader's separators.
// A named sheet's text begins with its name and an empty row, as a heading.
std::string TapeAsText(const std::vector<StoredLine>& lines, const NumberLocale& shownWith,
                       std::string_view originalInText = PlainOriginalText,
                       std::string_view name = {});

// The header row of the CSV form. Its words and the kind words are English and stay as they are,
// so that scripts can rely on them.
inline constexpr std::string_view CsvHeader =
    "line,kind,amount,text,count,negative,note,original,changed";

// UTF-8 with a byte-order mark (so that a spreadsheet opened by double click reads it as UTF-8),
// RFC 4180: CRLF line ends, fields quoted when they hold a comma, a quote or a line break. The
// header row, then per line: line, kind, amount, text (as the reader's locale shows it), count
// (a total's items, a grand total's totals; empty otherwise), negative ("yes"/"no": drawn in
// red), note, original, changed ("yes"/"no": carries the change mark). The amount is a plain
// number ("." and no grouping, from the kept value; empty for an error line) signed as the line
// counts it: a subtracted item and M- are negative, so that a column sum agrees with the tape's
// total. A non-add number has no amount: it is a reference, added to nothing, and its text keeps
// it as shown. A margin line's amount is its percentage.
// A named sheet has one more row right after the header: kind NameKind and the name as its
// text, every other field empty. The header stays as it is, the row has no line number and no
// amount (so numbering and column sums are as before), and an unnamed sheet's CSV is unchanged.
inline constexpr std::string_view NameKind = "name";
std::string TapeAsCsv(const std::vector<StoredLine>& lines, const NumberLocale& shownWith,
                      std::string_view name = {});

}  // namespace reckora::store
