// The kept tape survives SIGKILL at any moment: a session fed through a pipe (each `dump` is the
// acknowledgement of the command before it) is killed at random points and started again; each
// start shows the state after the last acknowledged command, or after the one sent after it.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "ScriptRunner.h"

namespace reckora::script {
namespace {

// The dump without the beeps of the last command and the sheet (the reference keeps none).
std::string Comparable(const std::string& dump) {
    static const std::regex notCompared(R"("beeps":\d+,|,"sheet":\d+)");
    return std::regex_replace(dump, notCompared, "");
}

std::vector<std::string> RandomCommands(std::mt19937& random, int count) {
    static const std::vector<std::string> kinds = {
        "key 1",      "key 2",    "key 5",        "key 9",    "key point", "key add",
        "key add",    "key sub",  "key mul",      "key div",  "key total", "key total",
        "key memadd", "key undo", "key clear",    "key back", "key 0",     "key percent",
        "option 2",   "option 6", "key memrecall"};
    std::uniform_int_distribution<std::size_t> pick(0, kinds.size() - 1);
    std::vector<std::string> commands;
    for (int i = 0; i < count; ++i) {
        commands.push_back(kinds[pick(random)]);
    }
    return commands;
}

// The dumps after 0, 1, 2 ... commands, run in this process without a store.
std::vector<std::string> ReferenceDumps(const std::vector<std::string>& commands) {
    std::ostringstream out;
    ScriptRunner runner(out);
    std::vector<std::string> dumps{Comparable(runner.Session().Dump())};
    for (const std::string& command : commands) {
        runner.RunLine(command);
        dumps.push_back(Comparable(runner.Session().Dump()));
    }
    return dumps;
}

// The harness as a child process with pipes both ways.
class Harness {
public:
    explicit Harness(const std::filesystem::path& store) {
        int toChild[2];
        int fromChild[2];
        if (pipe(toChild) != 0 || pipe(fromChild) != 0) {
            throw std::runtime_error("no pipe");
        }
        pid_ = fork();
        if (pid_ == 0) {
            dup2(toChild[0], 0);
            dup2(fromChild[1], 1);
            close(toChild[1]);
            close(fromChild[0]);
            execl(RECKORA_SCRIPT_PATH, RECKORA_SCRIPT_PATH, static_cast<char*>(nullptr));
            _exit(127);
        }
        close(toChild[0]);
        close(fromChild[1]);
        in_ = toChild[1];
        out_ = fdopen(fromChild[0], "r");
        Send("journal " + store.string());
    }
    ~Harness() {
        Kill();
        close(in_);
        fclose(out_);
    }
    void Send(const std::string& line) {
        const std::string text = line + "\n";
        ASSERT_EQ(write(in_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }
    std::string ReadLine() {
        std::string line;
        for (int c = fgetc(out_); c != EOF && c != '\n'; c = fgetc(out_)) {
            line += static_cast<char>(c);
        }
        return line;
    }
    void Kill() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }

private:
    pid_t pid_ = -1;
    int in_ = -1;
    FILE* out_ = nullptr;
};

TEST(KillTest, EveryStartShowsTheLastCompletedCommand) {
    signal(SIGPIPE, SIG_IGN);
    std::mt19937 random(20261206);
    const std::vector<std::string> commands = RandomCommands(random, 400);
    const std::vector<std::string> expected = ReferenceDumps(commands);
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("reckora-kill-" + std::to_string(getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);

    std::size_t done = 0;  // commands known to have completed
    std::uniform_int_distribution<int> run(0, 12);
    std::uniform_int_distribution<int> delayMicroseconds(0, 400);
    for (int kill = 0; kill < 50 && done + 13 < commands.size(); ++kill) {
        Harness harness(folder / "tapes.sqlite");
        harness.Send("dump");
        const std::string start = Comparable(harness.ReadLine());
        // The command sent last before the kill may have been stored without being reported.
        if (start != expected[done] && start == expected[done + 1]) {
            ++done;
        }
        ASSERT_EQ(start, expected[done]) << "after kill " << kill << ", " << done << " commands";
        for (int step = run(random); step > 0; --step) {
            harness.Send(commands[done]);
            harness.Send("dump");
            ASSERT_EQ(Comparable(harness.ReadLine()), expected[done + 1]);
            ++done;
        }
        // Killed while the next command runs, or just before or after it.
        harness.Send(commands[done]);
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        harness.Kill();
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace reckora::script
