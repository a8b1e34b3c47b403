// Commands as values: a journal record names the command it was made from, and the runner's
// outcome says what the command did, in a replay as live.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "CalcCommand.h"
#include "EntryLog.h"
#include "Journal.h"

namespace reckora {
namespace {

JournalCommand Record(std::int32_t kind, std::string entry,
                      std::optional<std::string> payload = std::nullopt, int rounding = 6) {
    return {.sequence = 0,
            .kind = kind,
            .entry = std::move(entry),
            .rounding = rounding,
            .payload = std::move(payload)};
}

JournalCommand KeyRecord(Key key, std::string entry = "0",
                         std::optional<std::string> payload = std::nullopt) {
    return Record(KeyNumber(key), std::move(entry), std::move(payload));
}

TEST(CalcCommand, ARecordNamesTheCommandItWasMadeFrom) {
    const std::vector<JournalCommand> records{
        KeyRecord(Key::Add, "12"),
        KeyRecord(Key::Paste, "0", "1,250.5"),
        Record(OptionCommand, "7", std::nullopt, 3),
        Record(CorrectCommand, "-2.5", "4"),
        Record(NoteCommand, "rent", "2"),
        Record(UndoCorrectionCommand, "3"),
    };
    for (const JournalCommand& record : records) {
        SCOPED_TRACE(record.kind);
        const std::optional<CalcCommand> command = CommandOf(record);
        ASSERT_TRUE(command);
        // A key consumed the entry before it; the rest are noted as they left things.
        const EntryAndOption around{record.entry, record.rounding};
        EXPECT_EQ(RecordOf(*command, around, around), record);
    }
    EXPECT_FALSE(CommandOf(Record(BaselineCommand, "0")));
    EXPECT_FALSE(CommandOf(Record(77, "0")));
    EXPECT_FALSE(CommandOf(Record(CorrectCommand, "5", "line")));
}

TEST(CommandRunner, TheOutcomeSaysWhatTheCommandDid) {
    JournalRun run(NumberLocale{});
    const std::optional<CommandOutcome> added = run.Run(KeyRecord(Key::Add, "12"));
    ASSERT_TRUE(added);
    EXPECT_EQ(added->linesBefore, 0);
    EXPECT_EQ(added->linesAfter, 1);
    EXPECT_EQ(added->firstChanged, 1);
    EXPECT_FALSE(added->engineRefused);

    const std::optional<CommandOutcome> tooLong = run.Run(KeyRecord(Key::Paste, "0", "1e99"));
    ASSERT_TRUE(tooLong);
    EXPECT_TRUE(tooLong->engineRefused);
    EXPECT_FALSE(tooLong->LinesChanged());
    // Without the tape work, a correction is declined and nothing changes.
    EXPECT_FALSE(run.Run(Record(CorrectCommand, "5", "1")));
    EXPECT_EQ(run.Line(1).text, "12");
}

TEST(CommandRunner, TheUndoOfACorrectionTakesBackOnlyTheCorrectionJustBefore) {
    const std::vector<JournalCommand> typed{KeyRecord(Key::Add, "12"), KeyRecord(Key::Add, "30"),
                                            KeyRecord(Key::Total)};
    std::vector<JournalCommand> undone = typed;
    undone.push_back(Record(CorrectCommand, "20", "1"));
    const std::optional<ReplayedSheet> corrected = ReplayJournal(undone, NumberLocale{});
    ASSERT_TRUE(corrected);
    EXPECT_EQ(corrected->lines.back().text, "50");
    undone.push_back(Record(UndoCorrectionCommand, "0"));
    const std::optional<ReplayedSheet> back = ReplayJournal(undone, NumberLocale{});
    ASSERT_TRUE(back);
    EXPECT_EQ(back->lines.back().text, "42");

    std::vector<JournalCommand> noted = typed;
    noted.push_back(Record(CorrectCommand, "20", "1"));
    noted.push_back(Record(NoteCommand, "rent", "1"));
    noted.push_back(Record(UndoCorrectionCommand, "0"));
    EXPECT_FALSE(ReplayJournal(noted, NumberLocale{}));
}

}  // namespace
}  // namespace reckora
