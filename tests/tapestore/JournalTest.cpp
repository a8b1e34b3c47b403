// Recording commands on a sheet and reading them back.

#include "StoreFixture.h"

namespace reckora::store {
namespace {

using JournalTest = StoreFixture;

// A change that keeps `keep` lines and rewrites `updates` in place.
SheetChange Updating(std::int64_t sequence, std::int64_t keep, std::vector<LineUpdate> updates) {
    SheetChange change = Append(sequence, keep, {});
    change.updates = std::move(updates);
    return change;
}

// keepLines replaces the tail: an undo cuts back, a correction rewrites from a line on or, when
// the count stays, updates the lines it changed in place.
TEST_F(JournalTest, KeepLinesCutsAndRewritesTheTail) {
    struct Case {
        const char* what;
        std::int64_t keep;
        std::vector<StoredLine> lines;
        std::vector<std::string> expected;
        std::string lastTotal;
        std::vector<LineUpdate> updates = {};
    };
    const StoredLine total = Line("6.00", TotalMark, 2);
    const std::vector<Case> cases{
        {"append", 3, {Line("9.00")}, {"1.00", "2.00", "6.00", "9.00"}, "6.00"},
        {"undo of the total", 2, {}, {"1.00", "2.00"}, ""},
        {"correction of line 2", 1, {Line("5.00"), total}, {"1.00", "5.00", "6.00"}, "6.00"},
        {"everything anew", 0, {}, {}, ""},
        {"correction of line 2 in place",
         3,
         {},
         {"1.00", "5.00", "6.00"},
         "6.00",
         {{2, Line("5.00")}, {3, total}}},
        {"a total updated into an item", 3, {}, {"1.00", "2.00", "3.00"}, "", {{3, Line("3.00")}}},
        {"updates before appended lines",
         3,
         {Line("7.00")},
         {"4.00", "2.00", "6.00", "7.00"},
         "6.00",
         {{1, Line("4.00")}}},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.what);
        std::filesystem::remove_all(path.parent_path());
        auto store = Open();
        AddItems(*store, 2);
        ASSERT_EQ(store->Record(Append(3, 2, {total})), WriteResult::Stored);
        SheetChange change = Updating(4, each.keep, each.updates);
        change.lines = each.lines;
        ASSERT_EQ(store->Record(change), WriteResult::Stored);
        const auto sheet = store->LoadCurrent();
        ASSERT_TRUE(sheet);
        std::vector<std::string> texts;
        for (const StoredLine& line : sheet->lines) {
            texts.push_back(line.text);
        }
        EXPECT_EQ(texts, each.expected);
        EXPECT_EQ(sheet->summary.lineCount, static_cast<std::int64_t>(each.expected.size()));
        EXPECT_EQ(sheet->summary.lastTotal, each.lastTotal);
    }
}

TEST_F(JournalTest, ChangesThatDoNotFitTheSheetAreRefusedAndChangeNothing) {
    auto store = Open();
    AddItems(*store, 2);
    StoredLine unknownMark = Line("1.00", 21);
    StoredLine countOffTotal = Line("1.00", 2, 3);
    StoredLine badUtf8 = Line("\xC3(");
    const std::vector<SheetChange> refused{
        Append(3, 3, {Line("1.00")}),  // keeps more lines than there are
        Append(2, 2, {Line("1.00")}),  // sequence does not increase
        Append(3, -1, {}),
        Append(3, 2, {unknownMark}),
        Append(3, 2, {countOffTotal}),
        Append(3, 2, {badUtf8}),
        Updating(3, 2, {{3, Line("1.00")}}),  // beyond the sheet
        Updating(3, 2, {{0, Line("1.00")}}),
        Updating(3, 1, {{2, Line("1.00")}}),  // beyond the lines kept
        Updating(3, 2, {{1, badUtf8}}),
    };
    for (const SheetChange& change : refused) {
        EXPECT_EQ(store->Record(change), WriteResult::Refused);
    }
    EXPECT_EQ(store->SetNote(3, "no such line"), WriteResult::Refused);
    EXPECT_EQ(store->LoadCurrent()->lines.size(), 2u);
    std::vector<std::string> names;
    EXPECT_TRUE(store->ReadCommands(*store->CurrentSheet(), [&names](const CommandRecord& record) {
        names.push_back(record.name);
    }));
    EXPECT_EQ(names.size(), 2u);
    EXPECT_TRUE(store->IsKeeping());
}

TEST_F(JournalTest, NotesAreSetAndCleared) {
    auto store = Open();
    AddItems(*store, 2);
    ASSERT_EQ(store->SetNote(2, "lunch"), WriteResult::Stored);
    EXPECT_EQ(store->LoadCurrent()->lines[1].note, "lunch");
    ASSERT_EQ(store->SetNote(2, std::nullopt), WriteResult::Stored);
    EXPECT_EQ(store->LoadCurrent()->lines[1].note, std::nullopt);
}

}  // namespace
}  // namespace reckora::store
