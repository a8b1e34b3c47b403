// The harness's script language: what runs, what is malformed, and what is printed.

#include "RunScript.h"
#include "ScriptRunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "JsonText.h"

namespace reckora::script {
namespace {

std::size_t Lines(const std::string& output) {
    return static_cast<std::size_t>(std::count(output.begin(), output.end(), '\n'));
}

TEST(ScriptRunner, MalformedLines) {
    // A row a kind of command; a settings or locale line after a key comes too late.
    const std::vector<std::string> malformed[] = {
        {"frobnicate", "Key 1", "dump now", "tick 1", "burst", "menu", "menu m_Nothing"},
        {"key", "key 1 x", "key 1.5", "key --1", "key plus", "option", "option 1 2"},
        {"locale ,", "locale ,, .", "locale 5 .", "locale . .", "locale \xcc- .",
         "key 1\nlocale , ."},
        {"settings", "key 1\nsettings ShowTape False"},
        {"expect", "expect display", "expect display \"0", "expect nothing 1"},
        {"press", "press x", "press 48 shiftt", "press 48 8", "press 48 ctrl+", "press 48 Shift",
         "press 48 shift 1", "type 4.5"},
        {"mouseup 1 2", "focusout 1", "answer OK", "answer ok cancel"},
    };
    for (const auto& row : malformed) {
        for (const std::string& script : row) {
            EXPECT_EQ(RunScript(script), "malformed") << script;
        }
    }
}

TEST(ScriptRunner, CommentsBlankLinesAndFinalDump) {
    EXPECT_EQ(Lines(RunScript("# nothing\n\n   \n")), 1u);
    EXPECT_EQ(Lines(RunScript("key 1\ndump\n")), 1u);
    EXPECT_EQ(Lines(RunScript("dump\nkey 1\n")), 2u);
    EXPECT_EQ(Lines(RunScript("  key 1\r\n  # comment\r\ndump\r\n")), 1u);
    EXPECT_EQ(Lines(RunScript("key +1 -1 99999999999999999999\n")), 1u);
    EXPECT_EQ(Lines(RunScript("press 48 ctrl+shift+alt\n  press +48 7\r\ntype 48 alt+alt\n")), 1u);
}

TEST(ScriptRunner, KeyNamesStandForTheirNumbers) {
    for (const KeyRow& row : KeyRows) {
        if (!row.word.empty() && !IsBusinessKey(row.key)) {
            EXPECT_EQ(RunScript("key 5 " + std::string(row.word)),
                      RunScript("key 5 " + std::to_string(KeyNumber(row.key))))
                << row.word;
        }
    }
}

TEST(ScriptRunner, ExpectComparesOneFieldAsJson) {
    EXPECT_EQ(RunScript("key 4 2 add\nexpect display \"42. \"\nexpect tape [ [\"42\", 2, true] ]\n"
                        "expect store {}\nexpect beeps 0"),
              RunScript("key 4 2 add\ndump"));
    EXPECT_EQ(RunScript("key 4 2\nexpect entry \"24\""),
              "expect entry: expected \"24\", actual \"42\"");
}

TEST(ScriptRunner, ClipKeepsTheRestOfTheLineVerbatim) {
    const std::string out = RunScript("clip   a  \"b\"\\\n");
    EXPECT_NE(out.find("\"clipboard\":\"  a  \\\"b\\\"\\\\\""), std::string::npos) << out;
}

TEST(JsonString, EscapesAndRepairsText) {
    EXPECT_EQ(JsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(JsonString(std::string("\n\t\x01\0", 4)), "\"\\n\\t\\u0001\\u0000\"");
    EXPECT_EQ(JsonString("\u22125"), "\"\u22125\"");
    EXPECT_EQ(JsonString("\3771"), "\"\uFFFD1\"");  // \377 is the byte 0xff
    EXPECT_EQ(JsonString("\xe2\x88"), "\"\uFFFD\uFFFD\"");
    EXPECT_EQ(JsonString("\xed\xa0\x80"), "\"\uFFFD\uFFFD\uFFFD\"");
}

TEST(CompactJson, WritesValuesAsTheDumpDoes) {
    EXPECT_EQ(CompactJson(" [ [\"1\" , 2,true] , {\"a\" :\"\\u00e9\\/\"}, -1.5e3, null ] "),
              "[[\"1\",2,true],{\"a\":\"\u00e9/\"},-1.5e3,null]");
    for (const char* broken : {"", "[1,]", "{\"a\"}", "\"open", "tru", "[1] 2", "-"}) {
        EXPECT_FALSE(CompactJson(broken).has_value()) << broken;
    }
}

}  // namespace
}  // namespace reckora::script
