// A writer killed with SIGKILL at random moments leaves a store that opens and holds a prefix
// of whole commands: every command it reported stored, and at most the one it was writing.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "StoreFixture.h"

namespace reckora::store {
namespace {

class CrashTest : public StoreFixture {
protected:
    // Command n of the session: an item, two items every seventh, a total every fifth that
    // first cuts back the last line (as an undo would).
    static SheetChange CommandAt(std::int64_t n, std::int64_t lines) {
        if (n % 5 == 0) {
            return Append(n, lines - 1, {Line(std::to_string(n), kTotalMark, 4)});
        }
        std::vector<StoredLine> added{Line(std::to_string(n) + ".00")};
        if (n % 7 == 0) {
            added.push_back(Line("-" + std::to_string(n), 1));
        }
        return Append(n, lines, added);
    }
    static std::vector<StoredLine> LinesAfter(std::int64_t commands) {
        std::vector<StoredLine> lines;
        for (std::int64_t n = 1; n <= commands; ++n) {
            const SheetChange change = CommandAt(n, static_cast<std::int64_t>(lines.size()));
            lines.resize(static_cast<std::size_t>(change.keepLines));
            lines.insert(lines.end(), change.lines.begin(), change.lines.end());
        }
        return lines;
    }

    // In the child: continues the session from what is stored, reporting each stored sequence.
    [[noreturn]] void WriteUntilKilled(int report) {
        TapeStore store(Options());
        const auto sheet = store.LoadCurrent();
        std::int64_t n = sheet ? sheet->summary.lastSequence : 0;
        std::int64_t lines = sheet ? sheet->summary.lineCount : 0;
        for (;;) {
            const SheetChange change = CommandAt(++n, lines);
            if (store.Record(change) != WriteResult::Stored) {
                _exit(3);
            }
            lines = change.keepLines + static_cast<std::int64_t>(change.lines.size());
            if (write(report, &n, sizeof n) != sizeof n) {
                _exit(4);
            }
        }
    }
};

TEST_F(CrashTest, KilledAtRandomTheStoreHoldsAPrefixOfWholeCommands) {
    std::mt19937 random(2026);
    std::int64_t reached = 0;
    for (int round = 0; round < 20; ++round) {
        int pipeEnds[2];
        ASSERT_EQ(pipe(pipeEnds), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(pipeEnds[0]);
            WriteUntilKilled(pipeEnds[1]);
        }
        close(pipeEnds[1]);
        std::int64_t reported = reached;
        ASSERT_EQ(read(pipeEnds[0], &reported, sizeof reported), sizeof reported);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself: " << status;
        for (std::int64_t n = 0; read(pipeEnds[0], &n, sizeof n) == sizeof n;) {
            reported = n;
        }
        close(pipeEnds[0]);

        TapeStore store(Options());
        ASSERT_EQ(store.HowOpened(), OpenedAs::Existing);
        const auto sheet = store.LoadCurrent();
        ASSERT_TRUE(sheet);
        const std::int64_t stored = sheet->summary.lastSequence;
        EXPECT_TRUE(stored == reported || stored == reported + 1)
            << "stored " << stored << ", reported " << reported;
        EXPECT_EQ(sheet->lines, LinesAfter(stored));
        EXPECT_EQ(sheet->state, "state " + std::to_string(stored));
        EXPECT_EQ(store.LoadCommands(*store.CurrentSheet())->size(),
                  static_cast<std::size_t>(stored));
        reached = stored;
    }
    EXPECT_GT(reached, 20);
}

}  // namespace
}  // namespace reckora::store
