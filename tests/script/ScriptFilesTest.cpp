// The files a script may reach, and the tape-picture check the fuzzer runs after every command:
// the golden scripts it starts from keep every invariant, and a stale drawing is still caught.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "ScriptPath.h"
#include "ScriptRunner.h"
#include "SessionInvariants.h"
#include "TapeReplayCheck.h"

namespace reckora::script {
namespace {

namespace fs = std::filesystem;

// A fresh folder of this test's own, removed afterwards.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name)
        : path_(fs::temp_directory_path() /
                ("reckora-script-files-" + std::to_string(getpid()) + "-" + name)) {
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~ScratchFolder() { fs::remove_all(path_); }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

TEST(ScriptPath, KeptFolderTakesOnlyPlainNamesBelowIt) {
    const fs::path folder = "/scratch";
    struct Case {
        std::string named;
        std::optional<fs::path> resolved;
    };
    const Case cases[] = {
        {"tapes.sqlite", "/scratch/tapes.sqlite"},
        {"sub/tape.csv", "/scratch/sub/tape.csv"},
        {"./tape.txt", "/scratch/./tape.txt"},
        {"..", std::nullopt},
        {"../tape.txt", std::nullopt},
        {"sub/../../tape.txt", std::nullopt},
        {"sub/..", std::nullopt},
        {"/etc/passwd", std::nullopt},
        {"//server/share", std::nullopt},
        {"", std::nullopt},
        {std::string("tape\0/../../x", 13), std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScriptPath(c.named, folder), c.resolved) << c.named;
    }
    // Without a folder a path is what the script says, as the harness always took it.
    EXPECT_EQ(ScriptPath("../x/tape.csv", std::nullopt), fs::path("../x/tape.csv"));
}

// Runs a script through a runner kept to `folder`; "malformed" when a line is refused.
std::string RunInFolder(const fs::path& folder, const std::string& script) {
    std::ostringstream out;
    ScriptRunner::Options options;
    options.fileFolder = folder;
    ScriptRunner runner(out, std::move(options));
    std::istringstream in(script);
    std::string line;
    try {
        while (std::getline(in, line) && runner.RunLine(line)) {
        }
    } catch (const ScriptError&) {
        return "malformed";
    }
    return out.str();
}

TEST(ScriptRunner, KeptFolderHoldsEveryFileTheScriptTouches) {
    const ScratchFolder scratch("kept");
    const fs::path inside = scratch.Path() / "inside";
    fs::create_directories(inside);
    const std::vector<std::string> leadingOut = {
        "journal ../tapes.sqlite",
        "journal /tmp/tapes.sqlite",
        "key 1\nexport txt ../tape.txt",
        "key 1\nexport csv " + fs::absolute(scratch.Path() / "t.csv").string(),
        "clipfile ../outside.txt",
        "clipfile /etc/hostname",
    };
    for (const std::string& script : leadingOut) {
        EXPECT_EQ(RunInFolder(inside, script), "malformed") << script;
    }
    EXPECT_TRUE(fs::is_empty(scratch.Path() / "inside"));
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch.Path()), fs::directory_iterator()), 1);

    // Inside, the store, an export and reading it back all work, and nothing lands elsewhere.
    const std::string out =
        RunInFolder(inside,
                    "journal tapes.sqlite\nkey 4 2 add\nexport txt tape.txt\nclipfile tape.txt\n"
                    "expect sheet 1\n");
    EXPECT_NE(out, "malformed");
    EXPECT_TRUE(fs::exists(inside / "tapes.sqlite"));
    std::ifstream text(inside / "tape.txt");
    const std::string exported{std::istreambuf_iterator<char>(text), {}};
    EXPECT_NE(exported.find("42"), std::string::npos) << exported;
    EXPECT_FALSE(fs::exists("tape.txt"));
}

// The fuzzer starts from the golden scripts: each of them must keep every invariant after every
// command, or the fuzzer fails on its own seeds.
TEST(GoldenScripts, KeepEveryInvariantAfterEveryCommand) {
    std::vector<fs::path> scripts;
    for (const fs::directory_entry& entry : fs::directory_iterator(RECKORA_GOLDEN_DIR)) {
        if (entry.path().extension() == ".script") {
            scripts.push_back(entry.path());
        }
    }
    ASSERT_FALSE(scripts.empty());
    std::ranges::sort(scripts);
    for (const fs::path& script : scripts) {
        const ScratchFolder scratch(script.stem().string());
        for (const fs::directory_entry& entry : fs::directory_iterator(RECKORA_GOLDEN_DIR)) {
            if (entry.path().extension() == ".txt") {
                fs::copy_file(entry.path(), scratch.Path() / entry.path().filename());
            }
        }
        std::ostringstream out;
        ScriptRunner::Options options;
        options.session.keepTapePicture = true;
        options.fileFolder = scratch.Path();
        ScriptRunner runner(out, std::move(options));
        std::ifstream in(script);
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            const bool lockedBefore =
                runner.HasSession() && runner.Session().Engine().State().ErrorState;
            bool open = false;
            ASSERT_NO_THROW(open = runner.RunLine(line)) << script.filename() << ":" << number;
            if (!open) {
                break;
            }
            if (runner.HasSession()) {
                ASSERT_EQ(BrokenInvariant(runner.Session(), lockedBefore), "")
                    << script.filename() << ":" << number << ": " << line;
            }
        }
    }
}

TEST(TapeReplayCheck, FindsAnExtraTheTapeLeftStanding) {
    std::ostringstream out;
    ScriptRunner runner(out, ScriptRunner::Options{.session = {.keepTapePicture = true}});
    for (const char* line : {"key 1 2 add 3 0 add", "note 1 rent", "correct 2 31", "select 2"}) {
        runner.RunLine(line);
    }
    ScriptSession& session = runner.Session();
    ASSERT_TRUE(TapePictureMatchesReplay(session));

    // The note removed, but its text drawn again where it stood: the stale pixels of a tape that
    // did not erase it.
    const std::vector<DrawOp> before = session.TapeSurface().Picture();
    runner.RunLine("note 1");
    ASSERT_TRUE(TapePictureMatchesReplay(session));
    const auto note = std::ranges::find_if(before, [](const DrawOp& op) {
        return op.kind == DrawOp::Kind::Text && op.text.find("rent") != std::string::npos;
    });
    ASSERT_NE(note, before.end());
    session.TapeSurface().SetTextColor(note->color);
    session.TapeSurface().DrawText(note->x, note->top, note->text);
    EXPECT_FALSE(TapePictureMatchesReplay(session));
}

}  // namespace
}  // namespace reckora::script
