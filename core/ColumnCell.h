#pragma once
// Reads one cell of a column copied from a spreadsheet as the entry Paste Column adds for it:
// what a paste accepts as it is, and besides that the ways spreadsheets write money.

#include <optional>
#include <string>
#include <string_view>

#include "NumberLocale.h"

namespace reckora {

// The entry text for a cell, one that a paste reads in `locale`; nothing when the cell is no
// number. A number a paste accepts stays as it is (trimmed). Otherwise a spreadsheet's money
// form is read: a currency sign before or after the number (with or without a blank) is dropped,
// an accounting negative "(1,234.00)" and a trailing minus "12.50-" make it negative. More than
// one mark of a negative ("(-5)") reads as no number rather than as a guess; zero stays unsigned.
std::optional<std::string> ColumnCellEntry(std::string_view cell, const NumberLocale& locale);

}  // namespace reckora
