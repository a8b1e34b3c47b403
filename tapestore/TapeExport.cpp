#include "TapeExport.h"

#include "LineLayout.h"
#include "MarkWords.h"
#include "NumberNotation.h"
#include "NumberParse.h"

namespace reckora::store {

namespace {

constexpr std::size_t NumberEnd = 23;  // the number's right end, in columns from the left mark
constexpr std::size_t RightMark = 24;

// Width in columns: one per character, counted as UTF-8 lead bytes.
std::size_t Columns(std::string_view text) {
    std::size_t columns = 0;
    for (char c : text) {
        columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }
    return columns;
}

void PadTo(std::string& row, std::size_t column) {
    const std::size_t width = Columns(row);
    if (width < column) {
        row.append(column - width, ' ');
    }
}

// A stored line's mark; a line whose code no mark has (only a caller's own lines can have one)
// is written as a result: no glyph, no rule.
TapeMark MarkOf(const StoredLine& line) {
    const std::optional<MarkAndCount> mark = MarkOfLineCode(line.mark);
    return mark ? mark->mark : TapeMark::PendingResult;
}

std::string WithOriginal(std::string_view originalInText, std::string_view original) {
    std::string text(originalInText);
    const std::size_t at = text.find("%1");
    if (at == std::string::npos) {
        return text + " " + std::string(original);
    }
    return text.replace(at, 2, original);
}

// The amount a line counts with: a line that takes its amount away gives it the other sign, a
// line that counts nothing has none.
std::optional<std::string> CountedAmount(const StoredLine& line, TapeMark mark) {
    const Counts counts = WordOf(mark).counts;
    if (counts == Counts::Nothing) {
        return std::nullopt;
    }
    std::optional<std::string> amount = PlainNumber(line.text, NumberForm::Shown, NeutralLocale());
    if (!amount || counts != Counts::TakenAway ||
        amount->find_first_not_of("-0.") == std::string::npos) {
        return amount;  // no number, counts as shown, or zero (never "-0")
    }
    if (amount->front() == '-') {
        return amount->substr(1);
    }
    return "-" + *amount;
}

std::string TextRow(const StoredLine& line, TapeMark mark, const NumberLocale& shownWith,
                    std::string_view originalInText) {
    const std::string text = FromNeutral(line.text, shownWith);
    std::string row;
    const MarkKind kind = MarkKindOf(mark);
    if (kind == MarkKind::Total) {
        // A grand total's mark goes in front of its count of totals: "GT 2".
        const std::string_view symbol = WordOf(mark).symbol;
        row = symbol.empty() ? TotalCountText(line.itemCount)
                             : std::string(symbol) + " " + TotalCountText(line.itemCount);
    } else if (kind == MarkKind::Left) {
        row = WordOf(mark).symbol;
    }
    const std::size_t textColumns = Columns(text);
    PadTo(row, NumberEnd > textColumns ? NumberEnd - textColumns : 0);
    if (!row.empty() && row.back() != ' ') {
        row.push_back(' ');  // a number wider than its field still stands apart from the mark
    }
    row += text;
    if (kind == MarkKind::Right) {
        PadTo(row, RightMark);
        row += WordOf(mark).symbol;
    }
    if (line.changed) {
        PadTo(row, TextTapeColumns - 1);
        row.push_back('*');
    }
    if (line.original) {
        PadTo(row, TextTapeColumns);
        row += WithOriginal(originalInText, FromNeutral(*line.original, shownWith));
    }
    if (line.note) {
        PadTo(row, TextTapeColumns);
        row += "  " + *line.note;
    }
    while (!row.empty() && row.back() == ' ') {
        row.pop_back();
    }
    return row;
}

std::string CsvField(std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(field);
    }
    std::string quoted = "\"";
    for (char c : field) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

}  // namespace

std::string TapeAsText(const std::vector<StoredLine>& lines, const NumberLocale& shownWith,
                       std::string_view originalInText, std::string_view name) {
    std::vector<std::string> rows;
    std::string pending;
    for (const StoredLine& line : lines) {
        const TapeMark mark = MarkOf(line);
        if (IsOverdrawn(line.text, mark, pending) && !rows.empty()) {
            rows.pop_back();
        }
        if (MarkKindOf(mark) == MarkKind::Total) {
            rows.emplace_back(SeparatorText);
        }
        rows.push_back(TextRow(line, mark, shownWith, originalInText));
        pending = PendingTextAfter(line.text, mark);
    }
    std::string text = name.empty() ? std::string() : std::string(name) + "\n\n";
    for (const std::string& row : rows) {
        text += row + "\n";
    }
    return text;
}

std::string TapeAsCsv(const std::vector<StoredLine>& lines, const NumberLocale& shownWith,
                      std::string_view name) {
    std::string csv = "\xEF\xBB\xBF" + std::string(CsvHeader) + "\r\n";
    if (!name.empty()) {
        csv += "," + std::string(NameKind) + ",," + CsvField(name) + ",,,,,\r\n";
    }
    std::size_t number = 0;
    for (const StoredLine& line : lines) {
        const TapeMark mark = MarkOf(line);
        const bool counted = IsCounted(mark);
        csv += std::to_string(++number) + ",";
        csv += CsvField(WordOf(mark).word) + ",";
        csv += CountedAmount(line, mark).value_or("") + ",";
        csv += CsvField(FromNeutral(line.text, shownWith)) + ",";
        csv += (counted ? std::to_string(line.itemCount) : "") + ",";
        csv += line.negative ? "yes," : "no,";
        csv += CsvField(line.note.value_or("")) + ",";
        csv += CsvField(FromNeutral(line.original.value_or(""), shownWith)) + ",";
        csv += line.changed ? "yes\r\n" : "no\r\n";
    }
    return csv;
}

}  // namespace reckora::store
