// The kept tape through the harness's session: replaying a sheet's journal gives the live state
// and tape; saved tapes read back; a store that cannot be read is moved aside.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>

#include "../tapestore/StoreFixture.h"
#include "Journal.h"
#include "RandomKeys.h"
#include "ScriptSession.h"
#include "StoreNotices.h"
#include "TapeStore.h"

namespace reckora::script {
namespace {

namespace fs = std::filesystem;

// A scratch folder of its own per test; the store's file goes straight into it.
class TapeKeepingTest : public store::StoreFixture {
protected:
    std::unique_ptr<ScriptSession> Start(const NumberLocale& locale = {}) {
        return std::make_unique<ScriptSession>(locale, SessionOptions{.tapeStore = Store()});
    }
    fs::path Store() const { return folder / "tapes.sqlite"; }
    // A digit and +; without a tick the display timer is pending, as when the user goes on at once.
    static void Add(ScriptSession& session, int digit, bool tick = true) {
        session.Key(digit, tick);
        session.Key(KeyNumber(Key::Add), tick);
    }
    void CorrectingEqualsReplayingWithTheEntryChanged(ScriptSession& live, std::mt19937& random);

    int correctedFromTheStart_ = 0;
};

// The state as replay can know it: an undo that can no longer be used holds nothing to compare.
std::string ComparableState(SavedState state) {
    if (!state.engine.undoAvailable) {
        state.engine.undoSnapshot = {};
        state.engine.undoTapeLines = 0;
    }
    return StateAsText(state);
}

std::string LinesText(const std::vector<TapeEntry>& lines) {
    std::string text;
    for (const TapeEntry& line : lines) {
        text += line.text + " " + std::to_string(TapeLineCode(line.mark, line.itemCount)) +
                (line.ink == Ink::Red ? " red\n" : "\n");
    }
    return text;
}

// The lines in force on the live tape, as text.
std::string LiveText(const TapeModel& tape) {
    return LinesText(tape.EntriesFrom(1));
}

// The journal, replayed from its first command, gives the live session's tape and state.
void ExpectReplayGives(const std::vector<JournalCommand>& journal, ScriptSession& live) {
    const auto replayed = ReplayJournal(journal, live.Core().Locale());
    ASSERT_TRUE(replayed);
    EXPECT_EQ(LinesText(replayed->lines), LiveText(live.Lines()));
    EXPECT_EQ(ComparableState(replayed->state), ComparableState(live.Core().CurrentState()));
}

// Corrects a random correctable line of a session without earlier corrections; the journal
// with that command's entry replaced by a paste of the new number, replayed from its first
// command, must give the corrected tape and state.
void TapeKeepingTest::CorrectingEqualsReplayingWithTheEntryChanged(ScriptSession& live,
                                                                   std::mt19937& random) {
    const std::int32_t lines = live.Lines().CurrentLine();
    std::int32_t line = 0;
    for (int attempt = 0; attempt < 20 && line == 0 && lines > 0; ++attempt) {
        const auto candidate =
            static_cast<std::int32_t>(1 + random() % static_cast<unsigned>(lines));
        line = live.Core().TapeWork().CanCorrect(candidate) ? candidate : 0;
    }
    const char* numbers[] = {"7", "-2.5", "1,250.75", "0.001"};
    const std::string number = numbers[random() % std::size(numbers)];
    if (line == 0) {
        return;
    }
    live.Core().TapeWork().CorrectEntry(line, number);
    live.Tick();
    std::vector<JournalCommand> journal = *live.Core().KeptTapes().CurrentJournal();
    if (journal.back().kind != CorrectCommand) {
        return;  // refused: the error state
    }
    SCOPED_TRACE("correct " + std::to_string(line) + " to " + number);
    journal.pop_back();
    // The command whose entry the line shows: the last that left the line in force and wrote it.
    JournalRun run(live.Core().Locale());
    std::optional<std::size_t> source;
    for (std::size_t index = 0; index < journal.size(); ++index) {
        const std::int32_t before = run.Lines();
        ASSERT_TRUE(run.Run(journal[index]));
        if (before < line && line <= run.Lines()) {
            source = index;
        }
    }
    ASSERT_TRUE(source);
    if (journal[*source].kind == KeyNumber(Key::NonAdd)) {
        // A non-add number is the typed entry itself, without its grouping.
        std::string typed = number;
        std::erase(typed, ',');
        journal[*source].entry = typed;
        ExpectReplayGives(journal, live);
        return;
    }
    JournalCommand paste{.sequence = 0,
                         .kind = KeyNumber(Key::Paste),
                         .entry = "0",
                         .rounding = journal[*source].rounding,
                         .payload = number};
    journal[*source].entry = "0";
    journal.insert(journal.begin() + static_cast<std::ptrdiff_t>(*source), paste);
    ExpectReplayGives(journal, live);
    ++correctedFromTheStart_;
}

TEST_F(TapeKeepingTest, ReplayingTheJournalGivesTheLiveStateAndTape) {
    std::mt19937 random(1312);
    std::discrete_distribution<int> pick = RandomKeys(2);
    const char* clipboards[] = {"12.5", "-3", "abc", "1e14", "99999999999999999", "1,234.5"};
    const char* corrections[] = {"7", "0", "-2.5", "1,250", "1e15"};
    int correctable = 0;
    for (int session = 0; session < 40; ++session) {
        fs::remove(Store());
        std::unique_ptr<ScriptSession> live = Start();
        std::string trace;
        for (int step = 0; step < 120; ++step) {
            if (random() % 40 == 0) {
                live = Start();  // a restart in the middle of the session
                trace += " restart";
            }
            if (random() % 15 == 0) {
                const int option = static_cast<int>(random() % 7);
                live->SelectOption(*RoundingOptionAt(option));
                trace += " option" + std::to_string(option);
            }
            // A correction of a random line: the journal's replay from the first command, with
            // the corrected entry, must give what the live correction gave.
            if (const std::int32_t lines = live->Lines().CurrentLine();
                session % 2 == 0 && lines > 0 && random() % 8 == 0) {
                const auto line =
                    static_cast<std::int32_t>(1 + random() % static_cast<unsigned>(lines));
                const char* number = corrections[random() % std::size(corrections)];
                correctable += live->Core().TapeWork().CanCorrect(line) ? 1 : 0;
                live->Core().TapeWork().CorrectEntry(line, number);
                live->Tick();
                trace += " correct" + std::to_string(line) + "=" + number;
            }
            if (random() % 20 == 0) {
                live->Core().Run(RandomBusinessSetting(random));
                trace += " setting";
            }
            live->SetClipboard(clipboards[random() % std::size(clipboards)]);
            const int key = pick(random);
            PressRandomKey(*live, key, true);
            trace += " " + std::to_string(key);
        }
        SCOPED_TRACE(trace);
        const auto journal = live->Core().KeptTapes().CurrentJournal();
        ASSERT_TRUE(journal);
        ExpectReplayGives(*journal, *live);
        if (session % 2 == 1) {
            CorrectingEqualsReplayingWithTheEntryChanged(*live, random);
        }
        // The store holds what was shown, the lines a correction updated in place included.
        const std::string shown = LiveText(live->Lines());
        const std::map<std::int32_t, LineExtras> extras = live->Lines().AllExtras();
        live.reset();
        live = Start();
        EXPECT_EQ(LiveText(live->Lines()), shown);
        EXPECT_EQ(live->Lines().AllExtras(), extras);
        if (HasFailure()) {
            return;
        }
    }
    EXPECT_GT(correctable, 40);
    EXPECT_GT(correctedFromTheStart_, 10);
}

// The log of entries a session ends with is kept beside its sheet, so that the next session can
// correct at once without replaying the journal; whichever way the sheet comes back (a start, the
// history, a start after a session that ended without keeping its log, one that also typed more),
// correcting a line gives the tape the same correction gives without a restart.
TEST_F(TapeKeepingTest, ACorrectionAfterARestartIsTheOneBeforeIt) {
    const auto type = [](ScriptSession& session, int from) {
        session.SetClipboard("1,250.5");
        for (int n = from; n < from + 4; ++n) {
            Add(session, n);
            session.SelectOption(*RoundingOptionAt(n % 7));
        }
        session.Key(KeyNumber(Key::Paste), true);
        session.Key(KeyNumber(Key::Multiply), true);
        session.Key(3, true);
        session.Key(KeyNumber(Key::Total), true);
        Add(session, 8);
        session.Key(KeyNumber(Key::Total), true);
    };
    // The corrected number goes to the engine itself, never by the clipboard.
    const auto corrected = [](ScriptSession& session, std::int32_t line) {
        EXPECT_TRUE(session.Core().TapeWork().CanCorrect(line)) << line;
        const int writes = session.ClipboardWrites();
        session.Core().TapeWork().CorrectEntry(line, "-7.5");
        EXPECT_EQ(session.ClipboardWrites(), writes);
        return LiveText(session.Lines());
    };
    std::string once;
    std::string twice;
    std::int32_t later = 0;  // a line the second typing wrote
    {
        auto session = Start();
        type(*session, 1);
        once = corrected(*session, 2);
        fs::remove(Store());
    }
    {
        auto session = Start();
        type(*session, 1);
        later = session->Lines().CurrentLine() + 2;
        type(*session, 2);
        twice = corrected(*session, later);
        fs::remove(Store());
    }
    {
        // New keeps the log of the sheet it leaves, as the end of a session does.
        fs::remove(Store());
        auto session = Start();
        type(*session, 1);
        const store::SheetId left = *session->Core().KeptTapes().CurrentSheet();
        session->Key(KeyNumber(Key::New), true);
        store::StoreOptions reading;
        reading.path = Store();
        EXPECT_TRUE(store::TapeStore(reading).KeptEntryLog(left));
    }
    enum class Back { Start, History, StartAfterACrash, TypedMoreThenCrashed };
    for (const Back back :
         {Back::Start, Back::History, Back::StartAfterACrash, Back::TypedMoreThenCrashed}) {
        SCOPED_TRACE(static_cast<int>(back));
        fs::remove(Store());
        auto session = Start();
        type(*session, 1);
        const store::SheetId sheet = *session->Core().KeptTapes().CurrentSheet();
        if (back != Back::StartAfterACrash) {
            session->End();
        }
        session.reset();
        session = Start();
        if (back == Back::History) {
            session->Key(KeyNumber(Key::New), true);
            Add(*session, 9);
            ASSERT_TRUE(session->Core().KeptTapes().OpenSheet(sheet));
        }
        if (back == Back::TypedMoreThenCrashed) {
            type(*session, 2);
            session.reset();
            session = Start();
            EXPECT_EQ(corrected(*session, later), twice);
        } else {
            EXPECT_EQ(corrected(*session, 2), once);
        }
    }
}

// A sheet chosen in the history is saved and printed without opening it: its numbers in the
// reader's separators (a comma locale reads a tape kept under a full stop one), with its name,
// while the tape in use stays as it was.
TEST_F(TapeKeepingTest, AKeptSheetIsSavedAndPrintedWithoutOpeningIt) {
    store::SheetId named = 0;
    {
        auto session = Start();
        session->SetClipboard("1,250.5");
        session->Key(KeyNumber(Key::Paste), true);
        session->Key(KeyNumber(Key::Add), true);
        named = *session->Core().KeptTapes().CurrentSheet();
        ASSERT_EQ(session->Core().KeptTapes().NameSheet(named, "  Miete\tMärz "), std::nullopt);
        session->Key(KeyNumber(Key::New), true);
        Add(*session, 9);
    }
    auto session = Start(NumberLocale{.decimalSep = ",", .groupingSep = "."});
    CalculatorCore& core = session->Core();
    const store::SheetId current = *core.KeptTapes().CurrentSheet();
    ASSERT_NE(current, named);
    EXPECT_EQ(core.KeptTapes().CurrentSheetName(), "");
    EXPECT_EQ(core.KeptTapes().TapeHistory("märz").size(), 1U);

    std::string error;
    ASSERT_TRUE(core.KeptTapes().ExportSheet(named, TapeFormat::Csv, folder / "kept.csv", error))
        << error;
    const std::string text = store::FileText(folder / "kept.csv");
    EXPECT_NE(text.find(",name,,Miete März,"), std::string::npos) << text;
    EXPECT_NE(text.find("1,add,1250.5,\"1.250,5\","), std::string::npos) << text;

    ASSERT_TRUE(core.KeptTapes().ExportSheet(named, TapeFormat::Pdf, folder / "kept.pdf", error))
        << error;
    // The title "Miete März" in UTF-16.
    EXPECT_NE(store::FileText(folder / "kept.pdf")
                  .find("/Title <FEFF004D00690065007400650020004D00E40072007A>"),
              std::string::npos);
    EXPECT_FALSE(
        core.KeptTapes().ExportSheet(current + 100, TapeFormat::Text, folder / "none.txt", error));
    EXPECT_FALSE(fs::exists(folder / "none.txt"));

    ASSERT_TRUE(core.KeptTapes().PrintSheet(named));
    ASSERT_EQ(session->TapePrinting().jobs.size(), 1U);
    bool printed = false;
    for (const PrintOp& op : session->TapePrinting().jobs[0]->ops) {
        printed = printed || op.text == "1.250,5";
    }
    EXPECT_TRUE(printed);
    EXPECT_EQ(*core.KeptTapes().CurrentSheet(), current);
    EXPECT_EQ(LiveText(session->Lines()), "9 2\n");
}

// Paste Column is kept as the journal the Paste key would leave with each number on the clipboard
// in turn (the one the display cannot show refused, without its +). That it leaves the clipboard
// to its owner is the real-client test's; the tape it gives, the golden tape-notes-find-column's.
TEST_F(TapeKeepingTest, PasteColumnIsKeptAsPastes) {
    ScriptSession byColumn({}, SessionOptions{.tapeStore = folder / "column.sqlite"});
    byColumn.SetClipboard("12.5\n\n1,000\nabc\n99999999999999999\n  -2\n");
    byColumn.SetNextAnswer(QuestionAnswer::Ok);
    byColumn.Core().Window().RunMenu(MenuId::PasteColumn);

    ScriptSession byKeys({}, SessionOptions{.tapeStore = folder / "keys.sqlite"});
    const std::pair<const char*, bool> pastes[] = {
        {"12.5", true}, {"1,000", true}, {"99999999999999999", false}, {"-2", true}};
    for (const auto& [number, added] : pastes) {
        byKeys.SetClipboard(number);
        byKeys.Key(KeyNumber(Key::Paste), false);
        if (added) {
            byKeys.Key(KeyNumber(Key::Add), false);
        }
    }
    const auto journal = byColumn.Core().KeptTapes().CurrentJournal();
    ASSERT_TRUE(journal.has_value());
    EXPECT_EQ(journal->size(), 6U);  // the refused paste is not kept
    EXPECT_EQ(journal, byKeys.Core().KeptTapes().CurrentJournal());
}

// Without a file a start makes none, nor its lock file; the first command makes it and is kept
// like any other.
TEST_F(TapeKeepingTest, AStartWithoutAFileMakesNoneUntilTheFirstCommand) {
    {
        auto session = std::make_unique<ScriptSession>(
            NumberLocale{},
            SessionOptions{.tapeStore = Store(), .storeFileMade = StoreFileMade::WithFirstChange});
        EXPECT_TRUE(session->Core().KeptTapes().TapeHistory("").empty());
        EXPECT_TRUE(fs::is_empty(folder));
        session->Key(7, true);
        EXPECT_TRUE(fs::exists(Store()));
    }
    EXPECT_EQ(Start()->Engine().State().entryText, "7");
}

// A second window is told why its tape is new, and starts that end without a command (beside a
// running one, or only to export) leave no empty sheet. (How each notice is worded is
// NoticeWordsTest's; one told at a start reaches the user in read-only-store.sh.)
TEST_F(TapeKeepingTest, StartsWithoutACommandLeaveNoSheet) {
    auto first = Start();
    Add(*first, 3);
    EXPECT_EQ(first->End(), std::vector<std::string>{});
    for (int start = 0; start < 2; ++start) {
        auto second = Start();
        EXPECT_EQ(second->Lines().CurrentLine(), 0);
        EXPECT_FALSE(second->Core().KeptTapes().CurrentSheet());
        EXPECT_EQ(second->End(), std::vector<std::string>{SheetTakenText});
    }
    const auto sheets = first->Core().KeptTapes().TapeHistory("");
    ASSERT_EQ(sheets.size(), 1u);
    EXPECT_EQ(sheets[0].lineCount, 1);
}

// Showing a kept sheet, by opening it from the history or at a start, is not a command: its
// journal and its last change stay as they were; the next command is journaled as usual.
TEST_F(TapeKeepingTest, OpeningASheetOrStartingAddsNothingToIt) {
    const auto changedOf = [](ScriptSession& session, store::SheetId id) {
        const auto sheets = session.Core().KeptTapes().TapeHistory("");
        const auto sheet = std::ranges::find(sheets, id, &store::SheetSummary::id);
        return sheet == sheets.end() ? -1 : sheet->changedMs;
    };
    store::SheetId first = 0;
    std::size_t commands = 0;
    std::int64_t changed = 0;
    {
        auto session = Start();
        Add(*session, 4, false);
        Add(*session, 5, false);
        first = *session->Core().KeptTapes().CurrentSheet();
        commands = session->Core().KeptTapes().CurrentJournal()->size();
        changed = changedOf(*session, first);
        session->Key(KeyNumber(Key::New), true);
        Add(*session, 6, false);
        ASSERT_TRUE(session->Core().KeptTapes().OpenSheet(first));
        EXPECT_EQ(session->Core().KeptTapes().CurrentJournal()->size(), commands);
        EXPECT_EQ(changedOf(*session, first), changed);
    }
    auto again = Start();
    EXPECT_EQ(again->Core().KeptTapes().CurrentSheet(), first);
    EXPECT_EQ(again->Lines().CurrentLine(), 2);
    EXPECT_EQ(again->Core().KeptTapes().CurrentJournal()->size(), commands);
    EXPECT_EQ(changedOf(*again, first), changed);
    Add(*again, 7, false);
    EXPECT_EQ(again->Core().KeptTapes().CurrentJournal()->size(), commands + 2);
}

// Find on the tape and the search of the tape history fold capitals alike, German and French
// letters included; signs such as × are no capitals.
TEST_F(TapeKeepingTest, FindAndTheHistorySearchFoldCapitalsAlike) {
    auto session = Start();
    Add(*session, 3);
    session->Core().TapeWork().SetNote(1, "Müller Hauptstraße ŒUVRE été ÇA L'HAŸ Łódź 5 × 3");
    const std::pair<const char*, bool> queries[] = {
        {"MÜLLER", true}, {"HAUPTSTRASSE", true},  {"œuvre", true},      {"ÉTÉ ça", true},
        {"l'haÿ", true},  {"ŁÓDŹ", true},          {"müller ÉTÉ", true}, {"÷", false},
        {"meyer", false}, {"müller meyer", false},
    };
    for (const auto& [query, found] : queries) {
        EXPECT_EQ(session->Core().TapeWork().FindLines(query).size(), found ? 1u : 0u) << query;
        EXPECT_EQ(session->Core().KeptTapes().TapeHistory(query).size(), found ? 1u : 0u) << query;
    }
}

// At exit the store writes what it held once more; what still cannot be written is told lost.
TEST_F(TapeKeepingTest, ChangesThatCannotBeWrittenAreToldLostAtExit) {
    const fs::path kept = folder / "kept";
    ScriptSession session(NumberLocale{}, SessionOptions{.tapeStore = kept / "tapes.sqlite"});
    Add(session, 7);
    EXPECT_EQ(session.End(), std::vector<std::string>{});
    fs::remove_all(kept);
    std::ofstream(kept) << "a file where the folder was";
    Add(session, 8);
    const std::vector<std::string> told = session.End();
    ASSERT_FALSE(told.empty());
    EXPECT_EQ(told.back(), UnwrittenAtExitText);
    fs::remove(kept);
    EXPECT_EQ(session.End(), std::vector<std::string>{});
}

}  // namespace
}  // namespace reckora::script
