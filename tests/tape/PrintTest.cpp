// The tape on paper, against a recording printer whose "W" is 132 x 249 twips at 11 points:
// margins 747 (top) and 660 (left), column pitch 4092.

#include <sstream>
#include <string>

#include "LineLayout.h"
#include "TapeFixture.h"
#include "TapePrint.h"

namespace reckora {
namespace {

class PrintTest : public TapeFixture {
protected:
    const PrintJob& OnlyJob() {
        EXPECT_EQ(printing.jobs.size(), 1u);
        return *printing.jobs.at(0);
    }

    // The centre and column-left of each printed number, in print order.
    struct Placed {
        float left;
        float centre;
        int page;
    };
    std::vector<Placed> NumbersOf(const PrintJob& job) {
        std::vector<Placed> placed;
        const auto pages = job.Pages();
        for (std::size_t page = 0; page < pages.size(); ++page) {
            for (const PrintOp& op : pages[page]) {
                if (op.kind == PrintOp::Kind::Text && op.text.find('.') != std::string::npos) {
                    placed.push_back({op.x + op.width - 23 * 132, op.top + op.height / 2,
                                      static_cast<int>(page)});
                }
            }
        }
        return placed;
    }
};

// A printed text or glyph: what, its left (texts: right) edge, its vertical centre, and red ink.
std::string Described(const PrintOp& op) {
    const bool text = op.kind == PrintOp::Kind::Text;
    std::ostringstream out;
    out << (text ? op.text : "glyph " + std::to_string(op.glyph)) << (text ? " right " : " left ")
        << (text ? op.x + op.width : op.x) << " centre " << op.top + op.height / 2
        << (op.color == TapeRed ? " red" : "");
    return out.str();
}

TEST_F(PrintTest, LinesOnPaperAtTheMarginsInTheTapeFont) {
    lines.AddLine(CodedEntry("12.00", 2, true));
    lines.AddLine(CodedEntry("-3.00", 4, false));
    lines.AddLine(CodedEntry("-Error-", -1, false));
    lines.AddLine(CodedEntry("36.00", 105, true));
    lines.AddLine(CodedEntry("1.00", 2, true));
    tape.PrintContent();
    const PrintJob& job = OnlyJob();
    EXPECT_TRUE(job.ended);
    EXPECT_EQ(job.ops.at(0).text, "Courier New");
    EXPECT_EQ(job.ops.at(1).height, 11);
    const auto pages = job.Pages();
    std::vector<std::string> page;
    for (const PrintOp& op : pages.at(0)) {
        page.push_back(Described(op));
        EXPECT_TRUE(op.kind == PrintOp::Kind::Glyph || op.color == TapeBlack || op.color == TapeRed)
            << page.back();
    }
    // Line centres 747, 996 and 1245; a right mark sits half a line below the centre; the total
    // line is set lower by an eighth of a line before and after its rule, and the line after it
    // comes one and a half lines lower (rounded half to even).
    const std::vector<std::string> expected = {
        "glyph 2 left 660 centre 747",
        "12.00 right 3696 centre 747",
        "glyph 4 left 3828 centre 1120.5",
        "-3.00 right 3696 centre 996 red",
        "-Error- right 3696 centre 1245 red",
        std::string(SeparatorText) + " right 3696 centre 1400.5",
        "5 right 792 centre 1556",
        "36.00 right 3696 centre 1556",
        "glyph 2 left 660 centre 1930",
        "1.00 right 3696 centre 1930"};
    EXPECT_EQ(page, expected);
}

TEST_F(PrintTest, ColumnsFillThePageBeforeANewPageBeginsAsTheWidthAllows) {
    AddLines(111);
    tape.PrintContent();
    const PrintJob& job = OnlyJob();
    const std::vector<Placed> placed = NumbersOf(job);
    ASSERT_EQ(placed.size(), 111u);
    for (int i = 0; i < 111; ++i) {
        const int onPage = i % 110;
        const Placed& number = placed[static_cast<std::size_t>(i)];
        SCOPED_TRACE(i);
        EXPECT_EQ(number.page, i / 110);
        EXPECT_EQ(number.left, 660 + (onPage / 55) * 4092);
        EXPECT_EQ(number.centre, 747 + (onPage % 55) * 249);
    }
    EXPECT_EQ(placed[54].centre, 14193);  // the lowest centre not above 15000 - 747
    EXPECT_EQ(job.Pages().size(), 2u);

    // A page too narrow for a second column (it would need 8844) takes one.
    printing.printerOptions.pageWidth = 8843;
    printing.jobs.clear();
    tape.PrintContent();
    EXPECT_EQ(NumbersOf(OnlyJob()).at(55).page, 1);
    EXPECT_EQ(NumbersOf(OnlyJob()).at(55).left, 660);
}

TEST_F(PrintTest, AColumnTakesLinesWhileTheirCentreIsWithinTheBottomMargin) {
    struct Case {
        float pageHeight;
        std::size_t linesInFirstColumn;
    };
    // Line 55 is centred at 747 + 54 x 249 = 14193.
    const Case cases[] = {{14940, 55}, {14939.9f, 54}, {15000, 55}};
    AddLines(60);
    for (const Case& c : cases) {
        printing.printerOptions.pageHeight = c.pageHeight;
        printing.jobs.clear();
        tape.PrintContent();
        const std::vector<Placed> placed = NumbersOf(OnlyJob());
        std::size_t first = 0;
        while (first < placed.size() && placed[first].left == 660) {
            ++first;
        }
        EXPECT_EQ(first, c.linesInFirstColumn) << c.pageHeight;
        EXPECT_EQ(placed.at(first).centre, 747);
    }
}

TEST_F(PrintTest, OverdrawnPairAtTheFootOfAColumnStaysTogether) {
    AddLines(54);
    lines.AddLine(CodedEntry("36.00", -2, true));
    lines.AddLine(CodedEntry("36.00", 2, true));
    lines.AddLine(CodedEntry("9.00", 2, true));
    tape.PrintContent();
    const std::vector<Placed> placed = NumbersOf(OnlyJob());
    ASSERT_EQ(placed.size(), 57u);
    EXPECT_EQ(placed[54].centre, 14193);
    EXPECT_EQ(placed[55].centre, 14193);
    EXPECT_EQ(placed[55].left, 660);
    EXPECT_EQ(placed[56].left, 660 + 4092);
    EXPECT_EQ(placed[56].centre, 747);
}

TEST_F(PrintTest, PrintsTheLinesInForceTheSameTwiceAndLeavesTheScreenAlone) {
    AddLines(130);
    lines.AddLine(CodedEntry("7.00", 104, false));
    const std::vector<DrawOp> screen = surface.Picture();
    const DrawCounts counts = surface.Counts();
    const std::int64_t nextY = tape.NextY();
    const std::int32_t position = bar.Value();

    tape.PrintContent();
    tape.PrintContent();
    ASSERT_EQ(printing.jobs.size(), 2u);
    EXPECT_EQ(printing.jobs[0]->ops, printing.jobs[1]->ops);
    EXPECT_EQ(surface.Picture(), screen);
    EXPECT_EQ(surface.Counts().clears, counts.clears);
    EXPECT_EQ(surface.Counts().texts, counts.texts);
    EXPECT_EQ(tape.NextY(), nextY);
    EXPECT_EQ(bar.Value(), position);
    EXPECT_EQ(lines.CurrentLine(), 131);

    // Only the lines in force are printed.
    lines.SetCurrentLine(2);
    tape.PrintContent();
    EXPECT_EQ(NumbersOf(*printing.jobs.back()).size(), 2u);
}

// A printer that is missing (0) or fails at an operation is reported once, a started job is
// aborted, the tape and the screen stay as they were; a replacement offered then prints it all.
TEST_F(PrintTest, AMissingOrFailingPrinterIsReportedAndAReplacementPrintsAll) {
    AddLines(20);
    const std::vector<DrawOp> screen = surface.Picture();
    for (const bool replacement : {false, true}) {
        for (const int failAt : {0, 1, 3, 5, 30, 67}) {
            SCOPED_TRACE(std::to_string(failAt) + (replacement ? " with a replacement" : ""));
            printing.jobs.clear();
            printing.failures.clear();
            printing.messages.clear();
            printing.noPrinter = failAt == 0;
            printing.printerOptions.failAtOperation = failAt;
            printing.offerSecondPrinter = replacement;
            EXPECT_NO_THROW(tape.PrintContent());
            ASSERT_EQ(printing.failures.size(), 1u);
            EXPECT_EQ(printing.failures[0].Kind(),
                      failAt == 0 ? FailureKind::NoPrinter : FailureKind::PrinterFailure);
            EXPECT_EQ(printing.messages.size(), 1u);
            ASSERT_EQ(printing.jobs.size(), (failAt == 0 ? 0u : 1u) + (replacement ? 1u : 0u));
            if (failAt != 0) {
                EXPECT_TRUE(printing.jobs[0]->aborted);
                EXPECT_FALSE(printing.jobs[0]->ended);
            }
            if (replacement) {
                EXPECT_TRUE(printing.jobs.back()->ended);
                EXPECT_EQ(NumbersOf(*printing.jobs.back()).size(), 20u);
            }
            EXPECT_EQ(surface.Picture(), screen);
            EXPECT_EQ(lines.CurrentLine(), 20);
        }
    }
}

TEST(TapePrint, ShortStoreIsRefusedBeforeAnythingIsPrinted) {
    TapeLines lines(2);
    auto job = std::make_shared<PrintJob>();
    RecordingPrinter printer({}, job);
    EXPECT_THROW(PrintTape(printer, lines, 3, "Courier New"), Failure);
    EXPECT_TRUE(job->ops.empty());
}

// The paper and the PDF show a line's correction, change mark and note as the screen does.
TEST(TapePrint, ExtrasArePrintedAndSaved) {
    TapeLines lines;
    for (const char* text : {"12.00", "7.00"}) {
        const TapeEntry entry = CodedEntry(text, 2, true);
        lines.push_back({TapeText(entry.text), entry.itemCount, entry.mark, entry.ink});
    }
    const LineExtras corrected{"rent", "10.00", true};
    const ExtrasOfLine extras = [&](std::int32_t line) { return line == 2 ? &corrected : nullptr; };
    auto job = std::make_shared<PrintJob>();
    RecordingPrinter printer({}, job);
    PrintTape(printer, lines, 2, "Courier New", extras);
    std::vector<std::string> texts;
    const auto pages = job->Pages();
    for (const PrintOp& op : pages.at(0)) {
        if (op.kind == PrintOp::Kind::Text) {
            texts.push_back(op.text);
        }
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"12.00", "10.00", "rent", "7.00", "*"}));
}

}  // namespace
}  // namespace reckora
