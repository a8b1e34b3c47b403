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
        KeyRecord(Key::GrandTotal),
        Record(TaxRateCommand, "12", "7.7"),
        Record(RoundingDirectionCommand + 1, "0"),
    };
    for (const JournalCommand& record : records) {
        SCOPED_TRACE(record.kind);
        const std::optional<CalcCommand> command = CommandOf(record);
        ASSERT_TRUE(command);
        // A key consumed the entry before it; the rest are noted as they left things.
        const EntryAndOption around{record.entry, *RoundingOptionAt(record.rounding)};
        EXPECT_EQ(RecordOf(*command, around, around), record);
    }
    EXPECT_FALSE(CommandOf(Record(BaselineCommand, "0")));
    EXPECT_FALSE(CommandOf(Record(77, "0")));
    EXPECT_FALSE(CommandOf(Record(CorrectCommand, "5", "line")));
    EXPECT_FALSE(CommandOf(Record(TaxRateCommand, "0", "19 %")));
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

// The entry log kept beside its sheet reads back as the same log: the same corrections replay to
// the same tape. A text cut short or with a field out of range gives no log at all, so that a
// damaged one is built again from the journal rather than used.
TEST(EntryLog, TheKeptTextReadsBackAsTheLogAndADamagedOneAsNone) {
    std::vector<JournalCommand> journal{KeyRecord(Key::Add, "12"),
                                        KeyRecord(Key::Paste, "0", "1,250.5"),
                                        KeyRecord(Key::Add),
                                        Record(OptionCommand, "0", std::nullopt, 2),
                                        KeyRecord(Key::Multiply, "3"),
                                        KeyRecord(Key::Total, "4"),
                                        Record(CorrectCommand, "20", "1"),
                                        KeyRecord(Key::Total)};
    journal[4].taxRate = 7.7;  // the settings in force from the multiplication on
    journal[4].direction = RoundingDirection::Up;
    std::optional<LoggedRun> logged = ReplayIntoLog(journal, NumberLocale{});
    ASSERT_TRUE(logged);
    EntryLog based;
    based.StartFrom(logged->run->Result().lines, logged->run->Result().state);
    based.Append(KeyRecord(Key::Add, "5"), logged->run->Lines() + 1, "0");
    for (const EntryLog& log : {logged->log, based}) {
        const std::string text = log.Written();
        const std::optional<EntryLog> read = EntryLog::Read(text);
        ASSERT_TRUE(read) << text;
        EXPECT_EQ(read->Written(), text);
        EXPECT_EQ(read->Replay(NumberLocale{}, "7").run->Result().lines.back().text,
                  log.Replay(NumberLocale{}, "7").run->Result().lines.back().text);
        for (std::size_t size = 0; size < text.size(); ++size) {
            EXPECT_FALSE(EntryLog::Read(text.substr(0, size))) << size;
        }
    }
    const std::string text = logged->log.Written();
    const std::string damaged[] = {
        "entry-log 3" + text.substr(11),  // a later form
        text.substr(0, text.rfind("1 0 ")) + "1 99 " + text.substr(text.rfind("1 0 ") + 4),
        text + "1 ",  // more than a log
    };
    for (const std::string& bad : damaged) {
        EXPECT_FALSE(EntryLog::Read(bad)) << bad;
    }
}

}  // namespace
}  // namespace reckora
