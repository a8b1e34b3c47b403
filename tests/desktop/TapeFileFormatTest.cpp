// Which file and format a name in the Save Tape As dialog or after --export means.

#include "TapeFileFormat.h"

#include <gtest/gtest.h>

namespace reckora {
namespace {

TEST(TapeFileFormat, ATypedExtensionWinsElseTheFilterAddsItsOwn) {
    struct Case {
        const char* typed;
        TapeFormat filter;
        const char* path;
        TapeFormat format;
    };
    const Case cases[] = {
        {"/d/Tape 2026-12-06.txt", TapeFormat::Text, "/d/Tape 2026-12-06.txt", TapeFormat::Text},
        {"/d/Tape", TapeFormat::Csv, "/d/Tape.csv", TapeFormat::Csv},
        {"/d/Tape.PDF", TapeFormat::Text, "/d/Tape.PDF", TapeFormat::Pdf},
        {"/d/sums.csv", TapeFormat::Pdf, "/d/sums.csv", TapeFormat::Csv},
        {"/d/v1.2", TapeFormat::Pdf, "/d/v1.2.pdf", TapeFormat::Pdf},
        {"/d.txt/Tape", TapeFormat::Csv, "/d.txt/Tape.csv", TapeFormat::Csv},
        {"/d/Bücher €", TapeFormat::Text, "/d/Bücher €.txt", TapeFormat::Text},
    };
    for (const Case& c : cases) {
        const SaveTarget target = ResolveSaveTarget(QString::fromUtf8(c.typed), c.filter);
        EXPECT_EQ(target.path, c.path) << c.typed;
        EXPECT_EQ(target.format, c.format) << c.typed;
    }
    EXPECT_EQ(TapeFormatOf("tape.odt"), std::nullopt);
}

}  // namespace
}  // namespace reckora
