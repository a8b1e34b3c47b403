// The search of notes: which notes a query finds, capitals of German, French and other European
// letters folded, and text that is not UTF-8 compared as it is.

#include <gtest/gtest.h>

#include "NoteSearch.h"

namespace reckora::store {
namespace {

TEST(NoteSearchTest, EveryWordMustOccurWithCapitalsFolded) {
    struct Case {
        const char* query;
        const char* note;
        bool found;
    };
    const Case cases[] = {
        {"smith INVOICE", "Invoice 7 from Smith", true},
        {"smith receipt", "Invoice 7 from Smith", false},
        {"MÜLLER", "Rechnung Müller", true},
        {"ärger öl übel", "ÄRGER ÖL ÜBEL", true},
        {"STRASSE", "Hauptstraße 5", true},
        {"straße", "HAUPTSTRASSE", true},
        {"straße", "HAUPTSTRAẞE", true},
        {"été", "ÉTÉ 2026", true},
        {"ÇA", "ça va", true},
        {"œuvre", "ŒUVRE complète", true},
        {"ÿ", "L'HAŸ-LES-ROSES", true},
        {"île", "ÎLE", true},
        {"łódź", "ŁÓDŹ", true},
        {"σοφία", "ΣΟΦΊΑ", true},
        {"москва", "МОСКВА", true},
        // × and ÷ are signs, not a capital and its small letter.
        {"÷", "5 × 3", false},
        // A word is found inside a longer one, and the order of the words does not matter.
        {"voice smi", "Invoice 7 from Smith", true},
        // Blanks alone look for nothing, and find nothing.
        {" \t ", "anything", false},
        {"a", "", false},
        // Bytes that are not UTF-8 are compared as they are, never as letters.
        {"\xC3", "\xC3", true},
        {"\xC3", "\xC3\x84", true},
        {"\xFF", "\xFE", false},
    };
    for (const Case& each : cases) {
        EXPECT_EQ(NoteSearch(each.query).Matches(each.note), each.found)
            << "'" << each.query << "' in '" << each.note << "'";
    }
}

}  // namespace
}  // namespace reckora::store
