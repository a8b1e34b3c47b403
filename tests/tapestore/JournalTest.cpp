// Recording commands on a sheet and reading them back.

#include "StoreFixture.h"

namespace reckora::store {
namespace {

class JournalTest : public StoreFixture {};

// keepLines replaces the tail: an undo cuts back, a correction rewrites from a line on.
TEST_F(JournalTest, KeepLinesCutsAndRewritesTheTail) {
    struct Case {
        const char* what;
        std::int64_t keep;
        std::vector<StoredLine> lines;
        std::vector<std::string> expected;
        std::string lastTotal;
    };
    const std::vector<Case> cases{
        {"append", 3, {Line("9.00")}, {"1.00", "2.00", "6.00", "9.00"}, "6.00"},
        {"undo of the total", 2, {}, {"1.00", "2.00"}, ""},
        {"correction of line 2",
         1,
         {Line("5.00"), Line("6.00", kTotalMark, 2)},
         {"1.00", "5.00", "6.00"},
         "6.00"},
        {"everything anew", 0, {}, {}, ""},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.what);
        std::filesystem::remove_all(path.parent_path());
        auto store = Open();
        AddItems(*store, 2);
        ASSERT_EQ(store->Record(Append(3, 2, {Line("6.00", kTotalMark, 2)})), WriteResult::Stored);
        ASSERT_EQ(store->Record(Append(4, each.keep, each.lines)), WriteResult::Stored);
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
    StoredLine unknownMark = Line("1.00", 11);
    StoredLine countOffTotal = Line("1.00", 2, 3);
    StoredLine badUtf8 = Line("\xC3(");
    const std::vector<SheetChange> refused{
        Append(3, 3, {Line("1.00")}),  // keeps more lines than there are
        Append(2, 2, {Line("1.00")}),  // sequence does not increase
        Append(3, -1, {}),
        Append(3, 2, {unknownMark}),
        Append(3, 2, {countOffTotal}),
        Append(3, 2, {badUtf8}),
    };
    for (const SheetChange& change : refused) {
        EXPECT_EQ(store->Record(change), WriteResult::Refused);
    }
    EXPECT_EQ(store->SetNote(3, "no such line"), WriteResult::Refused);
    EXPECT_EQ(store->LoadCurrent()->lines.size(), 2u);
    EXPECT_EQ(store->LoadCommands(*store->CurrentSheet())->size(), 2u);
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
