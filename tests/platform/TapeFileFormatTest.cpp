// Which file and format a name in the Save Tape As dialog or after --export means.

#include "TapeFileFormat.h"

#include <gtest/gtest.h>

namespace reckora {
namespace {

TEST(TapeFileFormat, ATypedExtensionWinsElseTheFilterAddsItsOwn) {
    struct Case {
        const char* typed;
        TapeFileFormat filter;
        TapeFile expected;
    };
    const Case cases[] = {
        {"/d/Tape 2026-12-06.txt",
         TapeFileFormat::Text,
         {"/d/Tape 2026-12-06.txt", TapeFileFormat::Text}},
        {"/d/Tape", TapeFileFormat::Csv, {"/d/Tape.csv", TapeFileFormat::Csv}},
        {"/d/Tape.PDF", TapeFileFormat::Text, {"/d/Tape.PDF", TapeFileFormat::Pdf}},
        {"/d/sums.csv", TapeFileFormat::Pdf, {"/d/sums.csv", TapeFileFormat::Csv}},
        {"/d/v1.2", TapeFileFormat::Pdf, {"/d/v1.2.pdf", TapeFileFormat::Pdf}},
        {"/d.txt/Tape", TapeFileFormat::Csv, {"/d.txt/Tape.csv", TapeFileFormat::Csv}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ResolveTapeFile(c.typed, c.filter), c.expected) << c.typed;
    }
    EXPECT_EQ(TapeFileFormatOf("tape.odt"), std::nullopt);
}

}  // namespace
}  // namespace reckora
