// The harness's keyboard commands: which lines are malformed, and how the end of the program by
// a confirmed Escape shows in the output.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "RunScript.h"

namespace reckora::script {
namespace {

TEST(KeyboardScriptTest, MalformedLines) {
    const char* malformed[] = {
        "press",          "press x",         "press 48 shiftt", "press 48 8",       "press 48 -1",
        "press 48 ctrl+", "press 48 +shift", "press 48 Shift",  "press 48 shift 1", "release",
        "type 4.5",       "mousedown",       "mouseup 1 2",     "mousedown x",      "focusout 1",
        "answer",         "answer OK",       "answer maybe",    "answer ok cancel",
    };
    for (const char* line : malformed) {
        EXPECT_EQ(RunScript(line), "malformed") << line;
    }
}

TEST(KeyboardScriptTest, AcceptedForms) {
    const char* accepted[] = {
        "press 48 ctrl+shift+alt",
        "press 48 7",
        "  press +48 shift\r",
        "release 48 0",
        "type -5",
        "press 99999999999",
        "mousedown -3",
        "mouseup 40",
        "focusout",
        "answer ok",
        "type 48 alt+alt",
    };
    for (const char* line : accepted) {
        EXPECT_NE(RunScript(line), "malformed") << line;
    }
}

TEST(KeyboardScriptTest, ConfirmedEscapePrintsTheLastStateAndStops) {
    const std::string out = RunScript("type 52\nanswer ok\ntype 27\ntype 53\ndump\n");
    EXPECT_NE(out.find("\"entry\":\"4\""), std::string::npos) << out;
    EXPECT_NE(out.find("\"messages\":[\"Exit Reckora Calculator\"]"), std::string::npos) << out;
    EXPECT_EQ(out.substr(out.size() - 14), "{\"exit\":true}\n");
    EXPECT_EQ(out.find('\n'), out.find("{\"exit\"") - 1);  // one dump, then the exit line
}

TEST(KeyboardScriptTest, ACancelledEscapeOnlyAsks) {
    const std::string out = RunScript("type 27\ntype 27\n");
    EXPECT_NE(out.find("\"messages\":[\"Exit Reckora Calculator\",\"Exit Reckora Calculator\"]"),
              std::string::npos)
        << out;
    EXPECT_EQ(out.find("exit"), std::string::npos);
}

}  // namespace
}  // namespace reckora::script
