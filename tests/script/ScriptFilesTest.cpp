// The files a script may reach, and the tape-picture check the fuzzer runs after every command:
// the golden scripts it starts from keep every invariant, and a stale drawing is still caught.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "ScriptRunner.h"
#include "SessionInvariants.h"
#include "TapeReplayCheck.h"

namespace reckora::script {
namespace {

namespace fs = std::filesystem;

// A fresh folder holding copies of the golden scripts' data files.
fs::path FreshFolder(const std::string& name) {
    const fs::path folder =
        fs::temp_directory_path() / ("reckora-script-files-" + std::to_string(getpid())) / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const fs::directory_entry& entry : fs::directory_iterator(RECKORA_GOLDEN_DIR)) {
        if (entry.path().extension() == ".txt") {
            fs::copy_file(entry.path(), folder / entry.path().filename());
        }
    }
    return folder;
}

ScriptRunner KeptRunner(std::ostream& out, const fs::path& folder) {
    ScriptRunner::Options options;
    options.session.keepTapePicture = true;
    options.fileFolder = folder;
    return ScriptRunner(out, std::move(options));
}

// What a kept runner refuses; the golden scripts below show what it allows.
TEST(ScriptRunner, KeptFolderRefusesEveryPathLeadingOut) {
    const std::string leadingOut[] = {
        "journal ../tapes.sqlite",
        "journal /tmp/tapes.sqlite",
        "export txt ../tape.txt",
        "export csv /tmp/t.csv",
        "clipfile sub/../../x.txt",
        "clipfile /etc/hostname",
        "clipfile ..",
        std::string("clipfile x\0/../../y", 19),
    };
    for (const std::string& line : leadingOut) {
        std::ostringstream out;
        EXPECT_THROW(KeptRunner(out, "/nonexistent").RunLine(line), ScriptError) << line;
    }
}

// Runs a script command by command in `folder`, checking every invariant after each.
void RunKeepingInvariants(const fs::path& script, const fs::path& folder) {
    std::ostringstream out;
    ScriptRunner runner = KeptRunner(out, folder);
    std::ifstream in(script);
    std::string line;
    bool open = true;
    for (int number = 1; open && std::getline(in, line); ++number) {
        const bool lockedBefore =
            runner.HasSession() && runner.Session().Engine().State().errorState;
        ASSERT_NO_THROW(open = runner.RunLine(line)) << script << ":" << number;
        if (open && runner.HasSession()) {
            ASSERT_EQ(BrokenInvariant(runner.Session(), lockedBefore), "")
                << script << ":" << number << ": " << line;
        }
    }
}

// The fuzzer starts from the golden scripts: each must keep every invariant after every command
// (a NAME.then.script runs after NAME.script, on the files it left).
TEST(GoldenScripts, KeepEveryInvariantAfterEveryCommand) {
    for (const fs::directory_entry& entry : fs::directory_iterator(RECKORA_GOLDEN_DIR)) {
        const fs::path& script = entry.path();
        if (script.extension() != ".script" || script.stem().extension() == ".then") {
            continue;
        }
        const fs::path folder = FreshFolder(script.stem().string());
        RunKeepingInvariants(script, folder);
        fs::path then = script;
        then.replace_extension(".then.script");
        if (fs::exists(then)) {
            RunKeepingInvariants(then, folder);
        }
        fs::remove_all(folder.parent_path());
    }
}

TEST(TapeReplayCheck, FindsAnExtraTheTapeLeftStanding) {
    std::ostringstream out;
    ScriptRunner runner = KeptRunner(out, fs::temp_directory_path());
    for (const char* line : {"key 1 2 add 3 0 add", "note 1 rent", "correct 2 31", "select 2"}) {
        runner.RunLine(line);
    }
    ScriptSession& session = runner.Session();
    ASSERT_TRUE(TapePictureMatchesReplay(session));
    // The note removed, but its text drawn again where it stood, as a tape that did not erase it.
    const std::vector<DrawOp> before = session.TapeSurface().Picture();
    runner.RunLine("note 1");
    ASSERT_TRUE(TapePictureMatchesReplay(session));
    const auto note =
        std::ranges::find_if(before, [](const DrawOp& op) { return op.text == "rent"; });
    ASSERT_NE(note, before.end());
    session.TapeSurface().SetTextColor(note->color);
    session.TapeSurface().DrawText(note->x, note->top, note->text);
    EXPECT_FALSE(TapePictureMatchesReplay(session));
}

}  // namespace
}  // namespace reckora::script
