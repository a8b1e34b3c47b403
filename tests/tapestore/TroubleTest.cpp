// Files that cannot be used, and stores that cannot be written: the calculator goes on, nothing
// is deleted, and storing resumes when it can.

#include <sqlite3.h>

#include <cstdlib>
#include <fstream>
#include <functional>

#include "StoreFixture.h"
#include "StoreSchema.h"

namespace reckora::store {
namespace {

using Kind = StoreNotice::Kind;

class TroubleTest : public StoreFixture {
protected:
    void WriteFile(const std::filesystem::path& file, const std::string& bytes) {
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
    }
    void MakeStore(int lines) { AddItems(*Open(), lines); }
    // Runs SQL on the store's file, in one connection; the first column of the last row it gives.
    std::int64_t Sql(const std::string& sql) {
        sqlite3* db = nullptr;
        EXPECT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
        std::int64_t value = 0;
        const auto keep = [](void* out, int, char** row, char**) {
            *static_cast<std::int64_t*>(out) = std::strtoll(row[0] ? row[0] : "0", nullptr, 10);
            return 0;
        };
        EXPECT_EQ(sqlite3_exec(db, sql.c_str(), keep, &value, nullptr), SQLITE_OK) << sql;
        sqlite3_close(db);
        return value;
    }
};

TEST_F(TroubleTest, AnUnusableFileIsMovedAsideWholeAndAFreshStoreStarted) {
    struct Case {
        const char* what;
        NoticeCause cause;
        std::function<void()> make;
    };
    const std::vector<Case> cases{
        {"bytes that are no database", NoticeCause::Damaged,
         [this] { WriteFile(path, std::string(8192, '\xa5')); }},
        {"truncated", NoticeCause::Damaged,
         [this] {
             MakeStore(3000);
             std::filesystem::resize_file(path, std::filesystem::file_size(path) / 2);
         }},
        {"a newer schema", NoticeCause::NewerVersion,
         [this] {
             MakeStore(1);
             Sql("PRAGMA user_version = " + std::to_string(SchemaVersion + 1));
         }},
        {"another program's database", NoticeCause::Damaged,
         [this] {
             WriteFile(path, "");
             Sql("CREATE TABLE photos(id INTEGER)");
         }},
        {"our tables damaged", NoticeCause::Damaged,
         [this] {
             MakeStore(1);
             Sql("PRAGMA writable_schema = ON; UPDATE sqlite_schema SET sql = 'junk' WHERE "
                 "name = 'line'");
         }},
        // Found when the sheet is read, not at opening.
        {"the lines damaged", NoticeCause::Damaged,
         [this] {
             MakeStore(3000);
             const std::int64_t page =
                 Sql("SELECT pageno FROM dbstat WHERE name = 'line' AND pagetype = 'leaf' LIMIT 1");
             const std::int64_t size = Sql("PRAGMA page_size");
             std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
             file.seekp((page - 1) * size);
             file << std::string(static_cast<std::size_t>(size), '\xff');
         }},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.what);
        std::filesystem::remove_all(path.parent_path());
        each.make();
        const std::string before = FileText(path);
        auto store = Open();
        store->LoadCurrent();  // as a start does
        EXPECT_EQ(store->HowOpened(), OpenedAs::MovedAside);
        const auto notice = store->TakeNotice();
        ASSERT_TRUE(notice);
        EXPECT_EQ(notice->kind, Kind::MovedAside);
        EXPECT_EQ(notice->cause, each.cause);
        EXPECT_EQ(FileText(notice->detail), before);
        EXPECT_NE(notice->detail.find("tapes.db.unusable-2023-11-14-"), std::string::npos);
        EXPECT_FALSE(store->TakeNotice());
        AddItems(*store, 1);
        EXPECT_EQ(store->LoadCurrent()->lines.size(), 1u);
    }
}

TEST_F(TroubleTest, AFileLockedByAnotherProgramIsMovedAsideNotWaitedFor) {
    MakeStore(0);
    Sql("PRAGMA journal_mode = DELETE");
    sqlite3* holder = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &holder), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    StoreOptions options = Options();
    options.busyTimeoutMs = 50;
    TapeStore store(options);
    EXPECT_EQ(store.HowOpened(), OpenedAs::MovedAside);
    EXPECT_EQ(store.TakeNotice()->cause, NoticeCause::Locked);
    EXPECT_TRUE(store.IsKeeping());
    sqlite3_close(holder);
}

TEST_F(TroubleTest, AFolderThatCannotBeMadeHoldsCommandsUntilItCan) {
    WriteFile(path.parent_path(), "a file where the folder should be");
    auto store = Open();
    EXPECT_EQ(store->HowOpened(), OpenedAs::Unavailable);
    EXPECT_FALSE(store->IsKeeping());
    EXPECT_FALSE(store->LoadCurrent());
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(store->Record(Append(n, n - 1, {Line(std::to_string(n))})), WriteResult::Held);
    }
    const auto notice = store->TakeNotice();
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->cause, NoticeCause::FolderNotMade);
    EXPECT_EQ(notice->detail, path.parent_path().string());
    EXPECT_EQ(Notices(*store), (std::vector<Kind>{}));
    std::filesystem::remove(path.parent_path());
    EXPECT_EQ(store->Record(Append(4, 3, {Line("4")})), WriteResult::Stored);
    EXPECT_EQ(Notices(*store), (std::vector<Kind>{Kind::Resumed}));
    EXPECT_EQ(store->LoadCurrent()->lines.size(), 4u);
}

TEST_F(TroubleTest, AFullStoreHoldsCommandsInOrderAndTellsOnce) {
    std::int64_t pages = 1'000'000;
    StoreOptions options = Options();
    options.pageLimit = &pages;
    TapeStore store(options);
    AddItems(store, 1);
    pages = 1;  // below what the file has: no write can grow it
    int held = 0;
    for (int n = 2; n <= 200; ++n) {
        const WriteResult result =
            store.Record(Append(n, n - 1, {Line(std::string(200, '7') + std::to_string(n))}));
        held += result == WriteResult::Held;
        ASSERT_NE(result, WriteResult::Refused);
    }
    EXPECT_GT(held, 0);
    EXPECT_FALSE(store.IsKeeping());
    const auto notice = store.TakeNotice();
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->kind, Kind::CannotKeep);
    EXPECT_EQ(notice->cause, NoticeCause::DiskFull);
    EXPECT_EQ(Notices(store), (std::vector<Kind>{}));
    pages = 1'000'000;
    EXPECT_EQ(store.SetNote(200, "after the disk had room again"), WriteResult::Stored);
    EXPECT_EQ(Notices(store), (std::vector<Kind>{Kind::Resumed}));
    const auto sheet = store.LoadCurrent();
    ASSERT_EQ(sheet->lines.size(), 200u);
    EXPECT_EQ(sheet->lines[150].text, std::string(200, '7') + "151");
    EXPECT_EQ(sheet->lines[199].note, "after the disk had room again");
}

TEST_F(TroubleTest, AVanishedFolderIsMadeAgainAndTheSheetRestartsFromABaseline) {
    auto store = Open();
    AddItems(*store, 3);
    std::filesystem::remove_all(path.parent_path());
    EXPECT_EQ(store->Record(Append(4, 3, {Line("4.00")})), WriteResult::Lost);
    EXPECT_EQ(Notices(*store), (std::vector<Kind>{Kind::CannotKeep, Kind::SheetRestarted}));
    EXPECT_TRUE(store->LoadCurrent()->lines.empty());
    // The caller answers SheetRestarted with a baseline of the whole tape.
    EXPECT_EQ(store->Record(Append(5, 0, {Line("1.00"), Line("2.00"), Line("3.00"), Line("4.00")})),
              WriteResult::Stored);
    EXPECT_EQ(store->LoadCurrent()->lines.size(), 4u);
}

// What a damaged file holds where the next sheet goes must not make that sheet unreadable: a
// command stored on it, and its line updated in place, read back after the next start.
TEST_F(TroubleTest, ASheetStartedInADamagedFileReadsBack) {
    // Each with no current sheet, so that the first change starts one.
    const char* damages[] = {
        "DELETE FROM line; DELETE FROM sheet; INSERT INTO sheet VALUES(-3, 0, 0, 0, 0, 0, 0, 0, "
        "NULL)",
        "INSERT INTO sheet VALUES(9223372036854775807, 0, 0, 0, 0, 0, 0, 0, NULL)",
        "INSERT INTO line(sheet, no, text, mark, count, negative) VALUES(2, 0, '5', 2, 0, 0)",
    };
    for (const char* damage : damages) {
        SCOPED_TRACE(damage);
        std::filesystem::remove_all(path.parent_path());
        MakeStore(1);
        Sql(std::string(damage) + "; UPDATE meta SET value = 0 WHERE key = 'current'");
        {
            const auto store = Open();
            EXPECT_FALSE(store->LoadCurrent());
            ASSERT_EQ(store->Record(Append(1, 0, {Line("7.00")})), WriteResult::Stored);
            SheetChange update = Append(2, 1, {});
            update.updates.push_back({1, Line("8.00")});
            ASSERT_EQ(store->Record(update), WriteResult::Stored);
        }
        const auto again = Open()->LoadCurrent();
        ASSERT_TRUE(again && again->lines.size() == 1);
        EXPECT_EQ(again->lines[0].text, "8.00");
    }
}

}  // namespace
}  // namespace reckora::store
