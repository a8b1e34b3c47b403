// The history of sheets: new, list, search, open, delete, and two instances on one store.

#include <algorithm>
#include <iterator>

#include "StoreFixture.h"

namespace reckora::store {
namespace {

using SheetsTest = StoreFixture;

std::vector<SheetId> Ids(const std::vector<SheetSummary>& sheets) {
    std::vector<SheetId> ids;
    std::ranges::transform(sheets, std::back_inserter(ids), &SheetSummary::id);
    return ids;
}

TEST_F(SheetsTest, NewKeepsTheOldSheetAndTheListIsNewestFirst) {
    auto store = Open();
    AddItems(*store, 2);
    const SheetId first = *store->CurrentSheet();
    ASSERT_EQ(store->Record(Append(3, 2, {Line("3.00", TotalMark, 2)})), WriteResult::Stored);
    ASSERT_EQ(store->NewSheet(), WriteResult::Stored);
    AddItems(*store, 1);
    const SheetId second = *store->CurrentSheet();
    ASSERT_NE(first, second);
    const auto sheets = store->ListSheets();
    EXPECT_EQ(Ids(sheets), (std::vector<SheetId>{second, first}));
    EXPECT_EQ(sheets[1].lineCount, 3);
    EXPECT_EQ(sheets[1].lastTotal, "3.00");
    EXPECT_LT(sheets[1].startedMs, sheets[1].changedMs);
    EXPECT_LT(sheets[1].changedMs, sheets[0].startedMs);
}

TEST_F(SheetsTest, SearchFindsAmountsInAnyGroupingAndNoteWords) {
    auto store = Open();
    ASSERT_EQ(store->Record(Append(1, 0, {Line("1,250.50"), Line("-Error-", -1)})),
              WriteResult::Stored);
    const SheetId first = *store->CurrentSheet();
    ASSERT_EQ(store->SetNote(1, "Invoice 7 from Smith"), WriteResult::Stored);
    ASSERT_EQ(store->NewSheet(), WriteResult::Stored);
    ASSERT_EQ(store->Record(Append(1, 0, {Line("-1,250.5", 1), Line("12")})), WriteResult::Stored);
    const SheetId second = *store->CurrentSheet();
    EXPECT_EQ(Ids(store->FindSheetsByAmount(1250.5)), (std::vector<SheetId>{first}));
    EXPECT_EQ(Ids(store->FindSheetsByAmount(-1250.5)), (std::vector<SheetId>{second}));
    EXPECT_EQ(Ids(store->FindSheetsByAmount(12)), (std::vector<SheetId>{second}));
    EXPECT_TRUE(store->FindSheetsByAmount(3).empty());
    EXPECT_EQ(Ids(store->FindSheetsByNote("smith INVOICE")), (std::vector<SheetId>{first}));
    EXPECT_TRUE(store->FindSheetsByNote("smith receipt").empty());
    EXPECT_TRUE(store->FindSheetsByNote("  ").empty());
}

// A name is kept with its sheet, any sheet can be renamed without moving in the history, the
// name is searched as a note is, and naming a sheet that is gone changes nothing.
TEST_F(SheetsTest, NamesAreKeptSearchedAndRemoved) {
    auto store = Open();
    AddItems(*store, 1);
    const SheetId first = *store->CurrentSheet();
    ASSERT_EQ(store->NewSheet(), WriteResult::Stored);
    AddItems(*store, 1);
    const SheetId second = *store->CurrentSheet();
    ASSERT_EQ(store->NameSheet(std::nullopt, "Miete März"), WriteResult::Stored);
    ASSERT_EQ(store->NameSheet(first, "Invoice 7 from Smith"), WriteResult::Stored);
    const auto sheets = store->ListSheets();
    EXPECT_EQ(Ids(sheets), (std::vector<SheetId>{second, first}));
    EXPECT_EQ(sheets[0].name, "Miete März");
    EXPECT_EQ(store->LoadSheet(first)->summary.name, "Invoice 7 from Smith");
    EXPECT_EQ(Ids(store->FindSheetsByNote("smith invoice")), (std::vector<SheetId>{first}));
    EXPECT_EQ(Ids(store->FindSheetsByNote("März")), (std::vector<SheetId>{second}));
    EXPECT_EQ(store->NameSheet(second + 100, "nowhere"), WriteResult::Refused);
    EXPECT_EQ(store->NameSheet(first, std::string("\xC3", 1)), WriteResult::Refused);
    ASSERT_EQ(store->NameSheet(first, ""), WriteResult::Stored);
    EXPECT_EQ(store->LoadSheet(first)->summary.name, "");
    EXPECT_TRUE(store->FindSheetsByNote("smith").empty());
}

TEST_F(SheetsTest, DeleteRemovesASheetButNotTheCurrentOne) {
    auto store = Open();
    AddItems(*store, 2);
    const SheetId first = *store->CurrentSheet();
    ASSERT_EQ(store->SetNote(1, "gone"), WriteResult::Stored);
    ASSERT_EQ(store->NewSheet(), WriteResult::Stored);
    ASSERT_EQ(store->Record(Append(1, 0, {Line("9.00")})), WriteResult::Stored);
    EXPECT_EQ(store->DeleteSheet(*store->CurrentSheet()), WriteResult::Refused);
    EXPECT_EQ(store->DeleteSheet(first), WriteResult::Stored);
    EXPECT_EQ(Ids(store->ListSheets()), (std::vector<SheetId>{*store->CurrentSheet()}));
    EXPECT_FALSE(store->LoadSheet(first));
    LoadedSheet loaded;
    EXPECT_EQ(store->OpenSheet(first, loaded), OpenSheetResult::Missing);
    EXPECT_TRUE(store->FindSheetsByNote("gone").empty());
    EXPECT_TRUE(store->FindSheetsByAmount(1).empty());
}

// Two instances: the second starts its own sheet with its first change, cannot open or delete the
// first one's, and both write without losing anything.
TEST_F(SheetsTest, TwoInstancesEachWorkOnTheirOwnSheet) {
    auto one = Open();
    AddItems(*one, 1);
    const SheetId mine = *one->CurrentSheet();
    EXPECT_EQ(Notices(*one), (std::vector<StoreNotice::Kind>{}));
    auto two = Open();
    ASSERT_TRUE(one->IsKeeping() && two->IsKeeping());
    // The second is told that the current sheet is worked on elsewhere, and only the second.
    EXPECT_EQ(Notices(*two), (std::vector<StoreNotice::Kind>{StoreNotice::Kind::SheetTaken}));
    EXPECT_EQ(Notices(*one), (std::vector<StoreNotice::Kind>{}));
    EXPECT_FALSE(two->CurrentSheet());
    AddItems(*two, 1);
    const SheetId theirs = *two->CurrentSheet();
    EXPECT_NE(mine, theirs);
    LoadedSheet loaded;
    EXPECT_EQ(two->OpenSheet(mine, loaded), OpenSheetResult::InUse);
    EXPECT_EQ(two->DeleteSheet(mine), WriteResult::Refused);
    for (int n = 2; n <= 20; ++n) {
        AddItems(*one, 1, n);
        AddItems(*two, 1, n);
    }
    EXPECT_EQ(one->LoadCurrent()->lines.size(), 20u);
    EXPECT_EQ(two->LoadCurrent()->lines.size(), 20u);
    // Once the first has gone, its sheet is free again, and the next start takes it up.
    one.reset();
    EXPECT_EQ(two->OpenSheet(mine, loaded), OpenSheetResult::Opened);
    two.reset();
    auto again = Open();
    EXPECT_EQ(again->CurrentSheet(), mine);
    EXPECT_EQ(Notices(*again), (std::vector<StoreNotice::Kind>{}));
}

// New without a change after it makes no sheet, nor does a change that does not fit one.
TEST_F(SheetsTest, OnlyAChangeWrittenMakesASheet) {
    auto store = Open();
    EXPECT_EQ(store->NewSheet(), WriteResult::Stored);
    EXPECT_EQ(store->Record(Append(1, 3, {Line("1")})), WriteResult::Refused);
    EXPECT_EQ(store->SetNote(1, "x"), WriteResult::Refused);
    EXPECT_FALSE(store->CurrentSheet());
    AddItems(*store, 1);
    EXPECT_EQ(store->NewSheet(), WriteResult::Stored);
    store.reset();
    EXPECT_EQ(Open()->ListSheets().size(), 1u);
}

// A store whose file is made by its first write: nothing is on disk before it, and a file that
// another instance made (and left) meanwhile is not continued: the first write starts a sheet.
TEST_F(SheetsTest, AFileMadeAtTheFirstWriteStartsASheetOfItsOwn) {
    StoreOptions options = Options();
    options.makeFileWhenFirstWritten = true;
    TapeStore late(options);
    EXPECT_EQ(late.HowOpened(), OpenedAs::NotMadeYet);
    EXPECT_EQ(late.NewSheet(), WriteResult::Stored);
    EXPECT_FALSE(std::filesystem::exists(path.parent_path()));
    SheetId theirs = 0;
    {
        auto other = Open();
        AddItems(*other, 2);
        theirs = *other->CurrentSheet();
    }
    AddItems(late, 1);
    EXPECT_EQ(late.HowOpened(), OpenedAs::Existing);
    EXPECT_NE(late.CurrentSheet(), theirs);
    EXPECT_EQ(late.LoadSheet(theirs)->lines.size(), 2u);
}

}  // namespace
}  // namespace reckora::store
