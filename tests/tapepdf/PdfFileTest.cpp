// The tape saved as a PDF file and read back with poppler's pdftotext: the text layer holds the
// marks, whole notes in any script an installed font has, the title and the page numbers; a file
// that cannot be written, or a save that is stopped, leaves nothing behind.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "CodedEntry.h"
#include "Failure.h"
#include "PdfFile.h"

namespace reckora::pdf {
namespace {

namespace fs = std::filesystem;

std::string Output(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        for (int c = std::fgetc(pipe); c != EOF; c = std::fgetc(pipe)) {
            out += static_cast<char>(c);
        }
        pclose(pipe);
    }
    return out;
}

// The text of the document as laid out on the page, with every run of blanks and line breaks
// made one blank, so that a note in rows reads as one text.
std::string TextOf(const fs::path& pdf) {
    std::string joined;
    for (const char c : Output("pdftotext -layout '" + pdf.string() + "' -")) {
        const bool blank = c == ' ' || c == '\n' || c == '\f';
        if (!blank) {
            joined += c;
        } else if (!joined.empty() && joined.back() != ' ') {
            joined += ' ';
        }
    }
    return joined;
}

class PdfFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder =
            fs::temp_directory_path() /
            ("reckora-pdf-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    void Add(const std::string& text, std::int64_t code, bool dark = true) {
        const TapeEntry entry = CodedEntry(text, code, dark);
        lines.push_back({TapeText(entry.text), entry.itemCount, entry.mark, entry.ink});
    }
    std::int32_t Count() const { return static_cast<std::int32_t>(lines.size()); }

    fs::path folder;
    TapeLines lines;
};

TEST_F(PdfFileTest, TextLayerHoldsMarksWholeNotesTitleAndPageNumbers) {
    Add("20.00", 2);
    Add("5.00", 1);
    Add("3.00", 4);
    Add("4.00", 8);
    Add("12.00", 6);
    Add("27.00", 102);
    Add("27.00", 11);
    Add("4711", 12);
    Add("54.00", -101);
    const LineExtras rent{
        "Rent, \"March\" for the flat on Main Street, paid by transfer", {}, false};
    const LineExtras city{"\u0141\u00F3d\u017A Stra\u00DFe \u2013 \u20AC5", {}, false};
    const ExtrasOfLine extras = [&](std::int32_t line) {
        return line == 1 ? &rent : line == 2 ? &city : nullptr;
    };
    const fs::path path = folder / "tape.pdf";
    SaveTapeAsPdf(path, lines, Count(), {extras, "2026-03-01", {}});

    const std::string text = TextOf(path);
    for (const std::string& expected : std::vector<std::string>{
             "2026-03-01 1 / 1", "+ 20.00 " + rent.note, "- " + city.note + " 5.00", "3.00 \u00D7",
             "4.00 =", "M+ 12.00", "\u2014\u2014\u2014", "2 27.00", "27.00 \u25C7", "# 4711",
             "GT 1 54.00"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " not in: " << text;
    }
    EXPECT_EQ(text.find('?'), std::string::npos) << text;
    EXPECT_EQ(text.find("..."), std::string::npos) << text;
}

// Fonts go into the file as subsets; none is left to the reader to substitute.
TEST_F(PdfFileTest, FontsAreEmbeddedSubsets) {
    Add("1.00", 2);
    const fs::path path = folder / "tape.pdf";
    SaveTapeAsPdf(path, lines, Count(), {{}, "t", {}});
    const std::string fonts = Output("pdffonts '" + path.string() + "'");
    ASSERT_NE(fonts.find("+Liberation"), std::string::npos) << fonts;
    EXPECT_EQ(fonts.find(" no "), std::string::npos) << fonts;
}

// A folder that does not exist: the failure names the file and the cause.
TEST_F(PdfFileTest, AFileThatCannotBeWrittenIsAFailureWithItsCause) {
    Add("1.00", 2);
    const fs::path path = folder / "missing" / "tape.pdf";
    try {
        SaveTapeAsPdf(path, lines, Count(), {{}, "t", {}});
        FAIL() << "saved into a missing folder";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Kind(), FailureKind::PrinterFailure);
        EXPECT_EQ(std::string(failure.what()), path.string() + ": No such file or directory");
    }
}

// Stopped half-way, the save leaves the file that was there as it was and nothing beside it.
TEST_F(PdfFileTest, AStoppedSaveLeavesTheOldFileAndNoPartOfTheNewOne) {
    for (int i = 0; i < 5000; ++i) {
        Add(std::to_string(i) + ".00", 2);
    }
    const fs::path path = folder / "tape.pdf";
    std::ofstream(path) << "the earlier file";
    try {
        SaveTapeAsPdf(path, lines, Count(), {{}, "t", [](std::int32_t done, std::int32_t total) {
                                                 return done < total / 2 + 10;
                                             }});
        FAIL() << "the save went on";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Kind(), FailureKind::Cancelled);
    }
    std::string kept;
    std::getline(std::ifstream(path), kept);
    EXPECT_EQ(kept, "the earlier file");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace reckora::pdf
