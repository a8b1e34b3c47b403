// A sheet saved as text reads like the printed tape; saved as CSV it reads back to its amounts.

#include <gtest/gtest.h>

#include "CsvReader.h"
#include "ShownAmount.h"
#include "TapeExport.h"

namespace reckora::store {
namespace {

StoredLine Line(std::string text, std::int32_t mark, std::int32_t count = 0) {
    StoredLine line;
    line.negative = text.front() == '-';
    line.text = std::move(text);
    line.mark = mark;
    line.itemCount = count;
    return line;
}

// A column, a total, a chain closed by the total key (its result drawn over by the next
// item), memory, an error, and the marks of a later correction and a note.
std::vector<StoredLine> Session() {
    std::vector<StoredLine> lines{
        Line("1,250.00", 2),
        Line("-364.25", 1),
        Line("885.75", kTotalMark, 2),
        Line("12", 4),
        Line("3", 8),
        Line("36", -2),
        Line("36", 2),
        Line("36", 6),
        Line("0", 0),
        Line("1,234,567,890.12", 2),
        Line("-Error-", -1),
        Line("5", 9),
    };
    lines[1].original = "-346.25";
    lines[2].changed = true;
    lines[10].negative = true;
    lines[11].note = "tip, \"rounded\"";
    return lines;
}

TEST(ExportTest, TextIsLaidOutAsThePrintedTape) {
    const std::string expected =
        "+              1,250.00\n"
        "-               -364.25   -̶3̶4̶6̶.̶2̶5̶\n"  // struck through
        "———————————————————————\n"
        "2                885.75  *\n"
        "                     12 ×\n"
        "                      3 =\n"
        "+                    36\n"
        "M+                   36\n"
        "CA                    0\n"
        "+      1,234,567,890.12\n"
        "                -Error-\n"
        "                      5 %   tip, \"rounded\"\n";
    EXPECT_EQ(TapeAsText(Session()), expected);
}

TEST(ExportTest, PlainAmountsUndoTheLocaleSeparators) {
    struct Case {
        std::string shown;
        Separators separators;
        std::optional<std::string> plain;
    };
    const std::vector<Case> cases{
        {"1,234.50", {".", ","}, "1234.50"},
        {"-1.234,5", {",", "."}, "-1234.5"},
        {"1\u00A0234,5", {",", "\u00A0"}, "1234.5"},
        {"1234", {".", ""}, "1234"},
        {"12.", {".", ","}, "12"},
        {"-Error-", {".", ","}, std::nullopt},
        {"1.2.3", {".", ","}, std::nullopt},
        {"", {".", ","}, std::nullopt},
        {",5", {".", ","}, std::nullopt},
    };
    for (const Case& each : cases) {
        EXPECT_EQ(PlainAmount(each.shown, each.separators), each.plain) << each.shown;
    }
}

TEST(ExportTest, CsvReadsBackToTheLinesAndTheirAmounts) {
    const std::vector<StoredLine> lines = Session();
    const auto rows = testing::ReadCsv(TapeAsCsv(lines, {".", ","}));
    ASSERT_EQ(rows.size(), lines.size() + 1);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"line", "kind", "amount", "text", "count",
                                                 "negative", "note", "original"}));
    const std::vector<std::string> kinds{"add",       "subtract", "total", "multiply",
                                         "equals",    "result",   "add",   "memory add",
                                         "clear all", "add",      "error", "percent"};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto& row = rows[i + 1];
        SCOPED_TRACE(lines[i].text);
        ASSERT_EQ(row.size(), 8u);
        EXPECT_EQ(row[0], std::to_string(i + 1));
        EXPECT_EQ(row[1], kinds[i]);
        EXPECT_EQ(row[3], lines[i].text);
        const std::optional<double> amount = AmountValue(lines[i].text, {".", ","});
        EXPECT_EQ(row[2].empty() ? std::nullopt : std::optional<double>(std::stod(row[2])), amount);
        EXPECT_EQ(row[4], lines[i].mark == kTotalMark ? "2" : "");
        EXPECT_EQ(row[5], lines[i].negative ? "yes" : "no");
        EXPECT_EQ(row[6], lines[i].note.value_or(""));
        EXPECT_EQ(row[7], lines[i].original.value_or(""));
    }
}

}  // namespace
}  // namespace reckora::store
