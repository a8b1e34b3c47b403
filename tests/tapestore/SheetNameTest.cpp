// Reading the name a user types for a tape: what is kept, and what is refused.

#include <gtest/gtest.h>

#include <string>

#include "SheetName.h"

namespace reckora::store {
namespace {

struct NameCase {
    std::string typed;
    std::string kept;
    NameRefusal refusal;
};

TEST(SheetNameTest, NamesAreTrimmedKeptOnOneLineOrRefused) {
    const std::string eighty(80, 'x');
    const std::string eightyUmlauts = [] {
        std::string text;
        for (int i = 0; i < 80; ++i) {
            text += "ä";
        }
        return text;
    }();
    const NameCase cases[] = {
        {"March rent", "March rent", NameRefusal::None},
        {"  \t March rent \r\n", "March rent", NameRefusal::None},
        {"March\n\nrent", "March rent", NameRefusal::None},
        {"\u00A0Loyer\u3000d\u2019avril\u00A0", "Loyer d\u2019avril", NameRefusal::None},
        {"家賃 😀", "家賃 😀", NameRefusal::None},
        {"   ", "", NameRefusal::None},
        {eighty, eighty, NameRefusal::None},
        // Characters are counted, not bytes: 80 umlauts are 160 bytes and still fit.
        {eightyUmlauts, eightyUmlauts, NameRefusal::None},
        {eighty + "y", "", NameRefusal::TooLong},
        {"rent\x07", "", NameRefusal::ControlCharacter},
        {"rent\xC2\x85", "", NameRefusal::ControlCharacter},
        {std::string("rent\0x", 6), "", NameRefusal::ControlCharacter},
        {"rent \xC3", "", NameRefusal::NotText},
        {"\xE0\x80\xAF", "", NameRefusal::NotText},      // overlong "/"
        {"\xED\xA0\x80", "", NameRefusal::NotText},      // a lone surrogate
        {"\xF4\x90\x80\x80", "", NameRefusal::NotText},  // past U+10FFFF
    };
    for (const NameCase& each : cases) {
        const SheetNameResult result = ReadSheetName(each.typed);
        EXPECT_EQ(result.name, each.kept) << each.typed;
        EXPECT_EQ(result.refusal, each.refusal) << each.typed;
    }
}

}  // namespace
}  // namespace reckora::store
