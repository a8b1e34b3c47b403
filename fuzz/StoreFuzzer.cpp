// Fills a tape store with rows of any values (wrong types, out-of-range codes, gaps, missing
// rows, stray rows, damaged meta) and checks that restoring never crashes, refuses what it
// cannot use, hands out only records that hold, and that the store still takes new commands.
// Half the inputs fill a store of the first format version instead (one made by that version),
// which opening migrates: whole, with the old file copied as it was, or not at all.

#include <fuzzer/FuzzedDataProvider.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "KeptForm.h"
#include "StateText.h"
#include "StoreMigration.h"
#include "StoreSchema.h"
#include "StoredRows.h"
#include "TapeStore.h"

namespace {

namespace fs = std::filesystem;
using namespace reckora::store;

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "store fuzzer: %s\n", what);
        std::abort();
    }
}

fs::path Folder() {
    const fs::path shm = "/dev/shm";
    return (fs::exists(shm) ? shm : fs::temp_directory_path()) /
           ("reckora-store-fuzz-" + std::to_string(getpid()));
}

// An empty store made once per process, copied before every input; the folder goes at exit.
const fs::path& Template() {
    static const fs::path path = [] {
        fs::create_directories(Folder());
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(Folder(), ignored);
        });
        const fs::path made = Folder() / "template.db";
        fs::remove(made);
        StoreOptions options;
        options.path = made;
        TapeStore store(options);
        return made;
    }();
    return path;
}

// Small integers, the edges of the integer types, reals, texts with any bytes, blobs, NULL.
void BindAny(FuzzedDataProvider& data, sqlite3_stmt* statement, int index) {
    switch (data.ConsumeIntegralInRange(0, 7)) {
        case 0:
            sqlite3_bind_null(statement, index);
            break;
        case 1:
            sqlite3_bind_int64(statement, index, data.ConsumeIntegralInRange(-3, 120));
            break;
        case 2:
            sqlite3_bind_int64(statement, index, data.ConsumeIntegral<std::int64_t>());
            break;
        case 3:
            sqlite3_bind_double(statement, index, data.ConsumeFloatingPoint<double>());
            break;
        case 4: {
            const std::string text = data.ConsumeRandomLengthString(64);
            sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()),
                              SQLITE_TRANSIENT);
            break;
        }
        case 5: {
            const std::string bytes = data.ConsumeRandomLengthString(64);
            sqlite3_bind_blob(statement, index, bytes.data(), static_cast<int>(bytes.size()),
                              SQLITE_TRANSIENT);
            break;
        }
        case 6:
            sqlite3_bind_text(statement, index, "1,234.50", -1, SQLITE_STATIC);
            break;
        default:
            sqlite3_bind_int64(statement, index, data.ConsumeIntegralInRange(0, 1));
            break;
    }
}

// The rows of the current format.
constexpr const char* WriteSteps[] = {
    "INSERT OR REPLACE INTO sheet(id, started, changed, lines, last_seq, last_total, state, "
    "owner, name) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)",
    "INSERT OR REPLACE INTO line(sheet, no, text, mark, count, negative, amount, note, original, "
    "changed) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
    "INSERT OR REPLACE INTO command(sheet, seq, name, entry, rounding, line, number, note) "
    "VALUES(?, ?, ?, ?, ?, ?, ?, ?)",
    "INSERT OR REPLACE INTO meta(key, value) VALUES('current', ?)",
    "DELETE FROM line WHERE sheet = ? AND no = ?",
    "DELETE FROM command WHERE sheet = ? AND seq = ?",
    "DELETE FROM sheet WHERE id = ?",
};

// The rows of the first format version: commands by a key's place, texts in a locale's separators.
constexpr const char* Version1Writes[] = {
    "INSERT OR REPLACE INTO sheet(id, started, changed, lines, last_seq, last_total, state, "
    "owner) VALUES(?, ?, ?, ?, ?, ?, ?, ?)",
    "INSERT OR REPLACE INTO line(sheet, no, text, mark, count, negative, amount, note, original, "
    "changed) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
    "INSERT OR REPLACE INTO command(sheet, seq, kind, entry, rounding, payload) "
    "VALUES(?, ?, ?, ?, ?, ?)",
    "UPDATE sheet SET state = ? WHERE id = ?",
    "UPDATE command SET payload = ? WHERE seq = ?",
    "DELETE FROM line WHERE sheet = ? AND no = ?",
    "DELETE FROM command WHERE sheet = ? AND seq = ?",
};

std::string Contents(const fs::path& file) {
    std::FILE* in = std::fopen(file.c_str(), "rb");
    Require(in != nullptr, "a file that should be there is not");
    std::string contents;
    char buffer[4096];
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, in)) > 0;) {
        contents.append(buffer, read);
    }
    std::fclose(in);
    return contents;
}

// A migrated store has the current version and the current command table, never a mix.
void RequireWholeMigration(const fs::path& path) {
    sqlite3* db = nullptr;
    Require(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK,
            "cannot open the migrated store");
    const auto count = [db](const char* sql) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
        const std::int64_t value =
            sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : -1;
        sqlite3_finalize(statement);
        return value;
    };
    Require(count("PRAGMA user_version") == SchemaVersion, "the store was not migrated");
    Require(
        count("SELECT count(*) FROM pragma_table_info('command') WHERE name = 'name'") == 1 &&
            count("SELECT count(*) FROM pragma_table_info('command') WHERE name = 'kind'") == 0 &&
            count("SELECT count(*) FROM sqlite_schema WHERE name = 'command_version1'") == 0,
        "a half-migrated store");
    sqlite3_close(db);
}

template <std::size_t N>
void WriteRows(const fs::path& path, FuzzedDataProvider& data, const char* const (&writes)[N]) {
    sqlite3* db = nullptr;
    Require(sqlite3_open(path.c_str(), &db) == SQLITE_OK, "cannot open the copy");
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    while (data.remaining_bytes() > 0) {
        const char* sql = writes[data.ConsumeIntegralInRange<std::size_t>(0, N - 1)];
        sqlite3_stmt* statement = nullptr;
        Require(sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK, "bad sql");
        for (int i = 1; i <= sqlite3_bind_parameter_count(statement); ++i) {
            BindAny(data, statement, i);
        }
        sqlite3_step(statement);  // a NOT NULL column may refuse the row: then it is missing
        sqlite3_finalize(statement);
    }
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

// What the calculator makes of a sheet: every line goes on its tape, and the state either reads
// back to itself or is refused.
void CheckSheet(const LoadedSheet& sheet) {
    Require(static_cast<std::int64_t>(sheet.lines.size()) == sheet.summary.lineCount,
            "line count differs from the summary");
    for (const StoredLine& line : sheet.lines) {
        Require(IsStorable(line), "a line that cannot be used was handed out");
        Require(reckora::KeptForm(reckora::NumberLocale{}).Entry(line).has_value(),
                "a line the tape cannot show");
    }
    if (const auto state = reckora::StateFromText(sheet.state)) {
        const std::string text = reckora::StateAsText(*state);
        const auto again = reckora::StateFromText(text);
        Require(again && reckora::StateAsText(*again) == text, "a state that does not read back");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const fs::path& empty = Template();  // also makes the working folder
    const fs::path path = Folder() / "tapes.db";
    for (const char* suffix : {"", "-wal", "-shm"}) {
        fs::remove(path.string() + suffix);
    }
    // An input that starts with 1 (then 0 or 1 for the file) fills a first-version store; the
    // others read as they always did, so the kept inputs of earlier faults keep their meaning.
    const bool version1 = size >= 2 && bytes[0] == 1;
    const char* version1Store =
        version1 && bytes[1] % 2 == 0 ? RECKORA_V1_COMMA : RECKORA_V1_PERIOD;
    FuzzedDataProvider data(version1 ? bytes + 2 : bytes, version1 ? size - 2 : size);
    fs::remove(OldVersionCopyPath(path, 1));
    fs::copy_file(version1 ? fs::path(version1Store) : empty, path);
    version1 ? WriteRows(path, data, Version1Writes) : WriteRows(path, data, WriteSteps);
    const std::string before = version1 ? Contents(path) : std::string();

    StoreOptions options;
    options.path = path;
    TapeStore store(options);
    Require(store.HowOpened() == OpenedAs::Existing, "a readable store was moved aside");
    if (version1) {
        Require(Contents(OldVersionCopyPath(path, 1)) == before,
                "the copy of the old store differs from it");
        RequireWholeMigration(path);
    }
    std::int64_t lines = 0;
    std::int64_t sequence = 0;
    if (const auto current = store.LoadCurrent()) {
        CheckSheet(*current);
        lines = current->summary.lineCount;
        sequence = current->summary.lastSequence;
    }
    for (const SheetSummary& summary : store.ListSheets()) {
        if (const auto sheet = store.LoadSheet(summary.id)) {
            CheckSheet(*sheet);
        }
        std::vector<reckora::JournalCommand> journal;
        const bool read = store.ReadCommands(summary.id, [&journal](const CommandRecord& record) {
            Require(journal.empty() || journal.back().sequence < record.sequence,
                    "commands out of order");
            journal.push_back(reckora::KeptForm(reckora::NumberLocale{}).JournalOf(record));
        });
        if (read) {
            reckora::ReplayJournal(journal, reckora::NumberLocale{});  // runs or refuses
        }
    }
    store.FindSheetsByAmount(1234.5);
    store.FindSheetsByNote("a");

    SheetChange change;
    change.command.sequence = sequence == INT64_MAX ? sequence : sequence + 1;
    change.command.name = "add";
    change.keepLines = lines;
    change.lines.push_back(StoredLine{"1", 2, 0, false, std::nullopt, std::nullopt, false});
    const WriteResult result = store.Record(change);
    Require(
        result == WriteResult::Stored || (result == WriteResult::Refused && sequence == INT64_MAX),
        "the store did not take a command that fits");
    // A stored command adds its line; a refused one (a sheet at the last sequence number there
    // is) leaves the sheet as it was.
    if (const auto after = store.LoadCurrent()) {
        CheckSheet(*after);
        const bool stored = result == WriteResult::Stored;
        Require(after->lines.size() == static_cast<std::size_t>(lines) + (stored ? 1 : 0),
                stored ? "the command's line is missing" : "a refused command changed the sheet");
    }
    // A correction that keeps the length: the line just written is updated where it stands.
    if (result == WriteResult::Stored && sequence < INT64_MAX - 1) {
        SheetChange update;
        update.command.sequence = sequence + 2;
        update.command.name = "add";
        update.keepLines = lines + 1;
        update.updates.push_back(
            {lines + 1, StoredLine{"2", 2, 0, false, std::nullopt, std::nullopt, true}});
        Require(store.Record(update) == WriteResult::Stored, "the store did not update its line");
        if (const auto after = store.LoadCurrent()) {
            Require(!after->lines.empty() && after->lines.back().text == "2" &&
                        after->lines.back().changed,
                    "the updated line did not read back");
        }
    }
    return 0;
}
