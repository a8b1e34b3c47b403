// A sheet saved as text reads like the printed tape; saved as CSV it holds each line and its
// amount as a plain number that counts as the line does.

#include <gtest/gtest.h>

#include "StoreFixture.h"
#include "TapeExport.h"

namespace reckora::store {
namespace {

// A column, a total, a chain closed by the total key (its result drawn over by the next
// item), memory, an error, and the marks of a later correction and a note.
std::vector<StoredLine> Session() {
    std::vector<StoredLine> lines{
        Line("1,250.00", 2),
        Line("-364.25", 1),
        Line("885.75", TotalMark, 2),
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
        "-               -364.25   (was -346.25)\n"
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
    EXPECT_EQ(TapeAsText(Session(), NumberLocale{}), expected);
}

// Fields with a comma or a quote are quoted (RFC 4180); amounts are plain numbers; a byte-order
// mark leads.
TEST(ExportTest, CsvHoldsEachLineWithItsPlainAmount) {
    const std::string expected =
        "\xEF\xBB\xBFline,kind,amount,text,count,negative,note,original,changed\r\n"
        "1,add,1250.00,\"1,250.00\",,no,,,no\r\n"
        "2,subtract,364.25,-364.25,,yes,,-346.25,no\r\n"
        "3,total,885.75,885.75,2,no,,,yes\r\n"
        "4,multiply,12,12,,no,,,no\r\n"
        "5,equals,3,3,,no,,,no\r\n"
        "6,result,36,36,,no,,,no\r\n"
        "7,add,36,36,,no,,,no\r\n"
        "8,memory add,36,36,,no,,,no\r\n"
        "9,clear all,0,0,,no,,,no\r\n"
        "10,add,1234567890.12,\"1,234,567,890.12\",,no,,,no\r\n"
        "11,error,,-Error-,,yes,,,no\r\n"
        "12,percent,5,5,,no,\"tip, \"\"rounded\"\"\",,no\r\n";
    EXPECT_EQ(TapeAsCsv(Session(), NumberLocale{}), expected);
}

// A subtracted item and M- count negative (a negative one positive), so that the amounts of a
// column add up to its total; the text keeps what the line shows. A name has a row of its own
// without line number or amount, so that the header, the numbering and the sums stay.
TEST(ExportTest, CsvAmountsCountAsTheLineDoesAndANameHasARowOfItsOwn) {
    EXPECT_EQ(TapeAsCsv({Line("-20.00", 1), Line("7", 5), Line("0.00", 1)}, NumberLocale{},
                        "Rent, \"March\""),
              "\xEF\xBB\xBFline,kind,amount,text,count,negative,note,original,changed\r\n"
              ",name,,\"Rent, \"\"March\"\"\",,,,,\r\n"
              "1,subtract,20.00,-20.00,,yes,,,no\r\n"
              "2,memory subtract,-7,7,,no,,,no\r\n"
              "3,subtract,0.00,0.00,,no,,,no\r\n");
}

// The text is headed by the sheet's name and names an original in the words given.
TEST(ExportTest, TextIsHeadedByTheNameAndNamesTheOriginalInTheWordsGiven) {
    std::vector<StoredLine> lines{Line("475.75")};
    lines[0].original = "300.50";
    EXPECT_EQ(TapeAsText(lines, NumberLocale{",", "."}, "(war %1)", "Loyer d'avril"),
              "Loyer d'avril\n\n+                475,75   (war 300,50)\n");
}

}  // namespace
}  // namespace reckora::store
