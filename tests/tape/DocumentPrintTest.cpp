// The tape laid out as a document file rather than paper: headed and numbered pages, notes
// printed whole under their line; against a recording printer whose "W" is 132 x 249 twips.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "CodedEntry.h"
#include "LineLayout.h"
#include "RecordingPrinter.h"
#include "TapePrint.h"

namespace reckora {
namespace {

TapeLines LinesOf(int count) {
    TapeLines lines;
    for (int i = 1; i <= count; ++i) {
        const TapeEntry entry = CodedEntry(std::to_string(i) + ".00", i % 9 == 0 ? 105 : 2);
        lines.push_back({TapeText(entry.text), entry.itemCount, entry.mark, entry.ink});
    }
    return lines;
}

std::shared_ptr<PrintJob> Print(const TapeLines& lines, bool document, const PrintExtras& with) {
    auto job = std::make_shared<PrintJob>();
    RecordingPrinter printer({.document = document}, job);
    PrintTape(printer, lines, static_cast<std::int32_t>(lines.size()), "Courier New", with);
    return job;
}

std::vector<PrintOp> TextsOf(const std::vector<PrintOp>& page) {
    std::vector<PrintOp> texts;
    for (const PrintOp& op : page) {
        if (op.kind == PrintOp::Kind::Text) {
            texts.push_back(op);
        }
    }
    return texts;
}

// Every page starts with the title at the left and "page / pages" ending at the right edge, a
// line height down; the tape itself lies exactly where it lies on paper.
TEST(DocumentPrint, PagesAreHeadedAndNumberedAndTheTapeKeepsItsPlaces) {
    const TapeLines lines = LinesOf(250);
    const auto paper = Print(lines, false, {});
    const auto document = Print(lines, true, {{}, "2026-03-01", {}});
    const auto paperPages = paper->Pages();
    const auto documentPages = document->Pages();
    ASSERT_EQ(documentPages.size(), paperPages.size());
    ASSERT_GE(documentPages.size(), 2u);
    const std::string pages = std::to_string(documentPages.size());
    for (std::size_t page = 0; page < documentPages.size(); ++page) {
        const std::vector<PrintOp> texts = TextsOf(documentPages[page]);
        ASSERT_GE(texts.size(), 2u);
        EXPECT_EQ(texts[0].text, "2026-03-01");
        EXPECT_EQ(texts[0].x, 0);
        EXPECT_EQ(texts[0].top, 249);
        EXPECT_EQ(texts[1].text, std::to_string(page + 1) + " / " + pages);
        EXPECT_EQ(texts[1].x + texts[1].width, 11520);
        std::vector<PrintOp> tape(documentPages[page].begin(), documentPages[page].end());
        tape.erase(tape.begin(), tape.begin() + 2);
        EXPECT_EQ(tape, paperPages[page]) << "page " << page + 1;
    }
}

// On paper a long note is cut to the room beside its line; in a document it is printed whole in
// rows under the line, broken at blanks, and the next line moves down by those rows. A note that
// fits beside its line stays there, as on paper.
TEST(DocumentPrint, ALongNoteIsPrintedWholeUnderItsLine) {
    const TapeLines lines = LinesOf(3);
    const LineExtras longNote{"Rent, \"March\" for the flat on Main Street, paid late", {}, false};
    const LineExtras shortNote{"rent", {}, false};
    const ExtrasOfLine extras = [&](std::int32_t line) {
        return line == 1 ? &longNote : line == 2 ? &shortNote : nullptr;
    };
    const auto notesOf = [](const std::vector<PrintOp>& texts) {
        std::vector<std::string> notes;
        for (const PrintOp& op : texts) {
            if (op.color == NoteInk) {
                notes.push_back(op.text);
            }
        }
        return notes;
    };

    const auto paper = TextsOf(Print(lines, false, {extras, {}, {}})->Pages().at(0));
    EXPECT_EQ(notesOf(paper), (std::vector<std::string>{"Rent, \"March\" for...", "rent"}));

    const auto document = TextsOf(Print(lines, true, {extras, "t", {}})->Pages().at(0));
    EXPECT_EQ(notesOf(document), (std::vector<std::string>{"Rent, \"March\" for the flat",
                                                           "on Main Street, paid late", "rent"}));
    // Heading (2); line 1's note rows and number; line 2's note and number; line 3.
    ASSERT_EQ(document.size(), 8u);
    const PrintOp& first = document[4];
    ASSERT_EQ(first.text, "1.00");
    EXPECT_EQ(document[2].top, first.top + 249);  // the row under the line
    EXPECT_FLOAT_EQ(document[3].top, document[2].top + 0.8F * 249);
    // Line 2 and its note lie two small rows (0.8 x 249 each, rounded) lower than on paper.
    ASSERT_EQ(document[6].text, "2.00");
    EXPECT_EQ(document[6].top, paper[3].top + 398);
    EXPECT_EQ(document[5].top, paper[2].top + 398);
    EXPECT_EQ(document[5].x, paper[2].x);
}

// The pages counted in advance are the pages printed, also where wrapped notes push lines on.
TEST(DocumentPrint, PagesCountedAreThePagesPrinted) {
    const TapeLines lines = LinesOf(400);
    const LineExtras noted{std::string(300, 'x'), {}, false};
    const ExtrasOfLine extras = [&](std::int32_t line) { return line % 7 == 0 ? &noted : nullptr; };
    const auto pages = Print(lines, true, {extras, "t", {}})->Pages();
    RecordingPrinter counter({.document = true}, std::make_shared<PrintJob>());
    EXPECT_EQ(CountPages(counter, lines, 400, "Courier New", extras),
              static_cast<std::int32_t>(pages.size()));
}

// Progress reaches the end (stopping it leaves no document: PdfFileTest).
TEST(DocumentPrint, ProgressRunsToTheEnd) {
    const TapeLines lines = LinesOf(3000);
    std::int32_t last = 0;
    std::int32_t of = 0;
    Print(lines, true, {{}, "t", [&](std::int32_t done, std::int32_t total) {
                            EXPECT_GE(done, last);
                            last = done;
                            of = total;
                            return true;
                        }});
    EXPECT_GT(of, 0);
    EXPECT_EQ(last, of);
}

// Rows of at most the width (132 a character), broken after blanks where a row holds one, never
// inside a character; a word longer than a row, or a row narrower than a character, still moves on.
TEST(DocumentPrint, WrapTextBreaksAtBlanksAndWholeCharacters) {
    struct Case {
        std::string text;
        double first;
        double rest;
        std::vector<std::string> rows;
    };
    const std::vector<Case> cases{
        {"short", 10 * 132, 10 * 132, {"short"}},
        {"one two three", 6 * 132, 6 * 132, {"one", "two", "three"}},
        {"one two three", 4 * 132, 20 * 132, {"one", "two three"}},
        {"abcdefghij", 4 * 132, 4 * 132, {"abcd", "efgh", "ij"}},
        {"\u0141\u00F3d\u017A Stra\u00DFe",
         4 * 132,
         6 * 132,
         {"\u0141\u00F3d\u017A", "Stra\u00DFe"}},
        {"ab", 10, 10, {"a", "b"}},
        {"", 100, 100, {}},
        {"a  b", 1 * 132, 1 * 132, {"a", "b"}},
    };
    auto job = std::make_shared<PrintJob>();
    RecordingPrinter printer({}, job);
    printer.SetFontSize(11);
    for (const Case& c : cases) {
        EXPECT_EQ(WrapText(printer, c.text, c.first, c.rest), c.rows) << c.text;
    }
}

}  // namespace
}  // namespace reckora
