#include "TapeStore.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <deque>
#include <set>
#include <variant>

#include "InstanceSlot.h"
#include "MoveAside.h"
#include "NoteSearch.h"
#include "Sqlite.h"
#include "StoreMigration.h"
#include "StoreSchema.h"
#include "StoredRows.h"

namespace reckora::store {

namespace {

namespace fs = std::filesystem;

struct NoteChange {
    std::int64_t line;
    std::optional<std::string> note;
};
struct StartSheet {};
struct NameChange {
    std::optional<SheetId> sheet;  // none: the current sheet, whichever it is when written
    std::optional<std::string> name;
};
using HeldChange = std::variant<SheetChange, NoteChange, StartSheet, NameChange>;

// A change that does not fit the sheet as stored; thrown inside a transaction to undo it.
struct Misfit {};

// The file is not a usable store; thrown while opening to move it aside.
struct UnusableFile {
    NoticeCause cause;
};

// The folder of the store cannot be made; `what` is the folder.
class FolderNotMade : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Why storing stopped, and what the user should read beside it.
struct Cause {
    NoticeCause code;
    std::string detail;
};

// SQLite's own words are kept only where the code alone says too little.
Cause CauseOf(const SqliteError& error) {
    switch (error.Code()) {
        case SQLITE_FULL:
            return {NoticeCause::DiskFull, {}};
        case SQLITE_READONLY:
        case SQLITE_PERM:
            return {NoticeCause::ReadOnly, {}};
        case SQLITE_CANTOPEN:
            return {NoticeCause::CannotOpen, {}};
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return {NoticeCause::Locked, {}};
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return {NoticeCause::Damaged, {}};
        default:
            return {NoticeCause::CannotWrite, error.what()};
    }
}

// The file, its folder or its file system may not be written (SQLite cannot make the log's
// files beside a file it may only read, and says it cannot open it).
bool MeansNotWritable(const SqliteError& error) {
    return error.Code() == SQLITE_READONLY || error.Code() == SQLITE_CANTOPEN ||
           error.Code() == SQLITE_PERM;
}

// How the store file is opened: to keep tapes, or to read them where it cannot be written.
enum class Access {
    ReadWrite,
    ReadOnly,    // others may write the file meanwhile
    Unchanging,  // nothing writes the file while it is open (SQLite's immutable)
};

// A file: URI opening `path` for reading as `access` says; every byte a URI could misread is
// escaped.
std::string ReadingUri(const fs::path& path, Access access) {
    std::error_code error;
    fs::path absolute = fs::absolute(path, error);
    const std::string name = (error ? path : absolute).generic_string();
    std::string uri = "file:";
    if (name.empty() || name.front() != '/') {
        uri += '/';  // a drive letter: file:/C:/...
    }
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) != 0 ||
            std::string_view("/-._~:").find(c) != std::string_view::npos) {
            uri += c;
        } else {
            constexpr char kHex[] = "0123456789ABCDEF";
            uri += '%';
            uri += kHex[byte >> 4];
            uri += kHex[byte & 0xF];
        }
    }
    return uri + (access == Access::Unchanging ? "?mode=ro&immutable=1" : "?mode=ro");
}

// While held commands are written, the log is copied into the file after this many of them.
constexpr int kCatchUpCheckpointEvery = 8;
// The id of a new sheet: one above the largest, as SQLite would choose, but never below 1
// (reading takes only ids from 1 on, so a damaged file holding ids of 0 or less must not make
// every sheet after it unreadable) and never a random one after the largest id possible.
constexpr const char* kNewSheetId =
    "CASE WHEN ifnull(max(id), 0) < 9223372036854775807 THEN max(1, ifnull(max(id), 0) + 1) "
    "WHEN NOT EXISTS (SELECT 1 FROM sheet WHERE id = 1) THEN 1 "
    "ELSE (SELECT min(id) + 1 FROM sheet AS s WHERE id >= 1 AND "
    "NOT EXISTS (SELECT 1 FROM sheet WHERE id = s.id + 1)) END";

constexpr const char* kSummaryColumns =
    "SELECT id, started, changed, lines, last_seq, last_total, name FROM sheet ";

}  // namespace

// The prepared statements of one open store file.
struct PreparedStatements {
    explicit PreparedStatements(Connection& db)
        : begin(db, "BEGIN IMMEDIATE"),
          commit(db, "COMMIT"),
          sheetRow(db, "SELECT lines, last_seq, owner, last_total FROM sheet WHERE id = ?"),
          sheetState(db, "SELECT state FROM sheet WHERE id = ?"),
          summary(db, (std::string(kSummaryColumns) + "WHERE id = ?").c_str()),
          list(db, (std::string(kSummaryColumns) + "ORDER BY changed DESC, id DESC").c_str()),
          byAmount(db, (std::string(kSummaryColumns) +
                        "WHERE id IN (SELECT sheet FROM line WHERE amount = ?) "
                        "ORDER BY changed DESC, id DESC")
                           .c_str()),
          notes(db, "SELECT sheet, note FROM line WHERE note IS NOT NULL"),
          names(db, "SELECT id, name FROM sheet WHERE name IS NOT NULL"),
          setName(db, "UPDATE sheet SET name = ?2 WHERE id = ?1"),
          insertSheet(db, ("INSERT INTO sheet(id, started, changed, lines, last_seq, owner) "
                           "VALUES((SELECT " +
                           std::string(kNewSheetId) + " FROM sheet), ?1, ?1, 0, 0, ?2)")
                              .c_str()),
          updateSheet(db,
                      "UPDATE sheet SET changed = ?2, lines = ?3, last_seq = ?4, last_total = ?5, "
                      "state = ?6 WHERE id = ?1"),
          touchSheet(db, "UPDATE sheet SET changed = ?2 WHERE id = ?1"),
          claim(db, "UPDATE sheet SET owner = ?2 WHERE id = ?1"),
          release(db, "UPDATE sheet SET owner = NULL WHERE id = ?1 AND owner IS ?2"),
          currentGet(db, "SELECT value FROM meta WHERE key = 'current'"),
          currentSet(db, "INSERT OR REPLACE INTO meta(key, value) VALUES('current', ?)"),
          cutLines(db, "DELETE FROM line WHERE sheet = ? AND no > ?"),
          insertLine(db,
                     "INSERT INTO line(sheet, no, text, mark, count, negative, amount, note, "
                     "original, changed) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
          updateLine(db,
                     "UPDATE line SET text = ?3, mark = ?4, count = ?5, negative = ?6, "
                     "amount = ?7, note = ?8, original = ?9, changed = ?10 "
                     "WHERE sheet = ?1 AND no = ?2"),
          lastTotal(
              db, "SELECT text FROM line WHERE sheet = ? AND mark = 100 ORDER BY no DESC LIMIT 1"),
          setNote(db, "UPDATE line SET note = ? WHERE sheet = ? AND no = ?"),
          insertCommand(
              db,
              "INSERT OR REPLACE INTO command(sheet, seq, name, entry, rounding, line, number, "
              "note) VALUES(?, ?, ?, ?, ?, ?, ?, ?)"),
          loadLines(db,
                    "SELECT no, text, mark, count, negative, note, original, changed FROM line "
                    "WHERE sheet = ? ORDER BY no"),
          loadCommands(db,
                       "SELECT seq, name, entry, rounding, line, number, note FROM command "
                       "WHERE sheet = ? ORDER BY seq"),
          deleteLines(db, "DELETE FROM line WHERE sheet = ?"),
          deleteCommands(db, "DELETE FROM command WHERE sheet = ?"),
          deleteSheet(db, "DELETE FROM sheet WHERE id = ?") {}

    Statement begin, commit, sheetRow, sheetState, summary, list, byAmount, notes, names, setName,
        insertSheet, updateSheet, touchSheet, claim, release, currentGet, currentSet, cutLines,
        insertLine, updateLine, lastTotal, setNote, insertCommand, loadLines, loadCommands,
        deleteLines, deleteCommands, deleteSheet;
};

class TapeStore::Impl {
public:
    explicit Impl(StoreOptions options) : options_(std::move(options)) {
        if (!options_.clockMs) {
            options_.clockMs = [] {
                using namespace std::chrono;
                return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
            };
        }
        std::error_code missing;
        if (options_.makeFileWhenFirstWritten && !fs::exists(options_.path, missing) && !missing) {
            // The first write opens the store as after a lost file: a new sheet, then the change.
            openedAs_ = OpenedAs::NotMadeYet;
            keeping_ = true;
            return;
        }
        try {
            openedAs_ = OpenFile();
            if (openedAs_ == OpenedAs::ReadOnly) {
                StartReadOnly();
                current_ = LastCurrent();
                return;
            }
            slot_ = InstanceSlot::Take(Native());
            bool taken = false;
            Transaction([&] { current_ = TakeUpSheet(&taken); });
            keeping_ = true;
            if (taken) {
                notices_.push_back({StoreNotice::Kind::SheetTaken, {}});
            }
        } catch (const std::exception& error) {
            openedAs_ = OpenedAs::Unavailable;
            CloseFile();
            StopKeeping(CauseOf(error));
        }
    }

    ~Impl() {
        if (!db_.IsOpen() || !current_ || readOnly_) {
            return;
        }
        try {
            statements_->release.Bind(1, *current_).Bind(2, Owner()).Run();
        } catch (const SqliteError&) {
            // The next start finds the sheet still marked; the lock of the slot is gone by then.
        }
    }

    OpenedAs HowOpened() const { return openedAs_; }
    bool IsKeeping() const { return keeping_; }
    const fs::path& Path() const { return options_.path; }
    std::optional<SheetId> CurrentSheet() const { return current_; }

    std::optional<StoreNotice> TakeNotice() {
        if (notices_.empty()) {
            return std::nullopt;
        }
        StoreNotice notice = std::move(notices_.front());
        notices_.pop_front();
        return notice;
    }

    WriteResult Submit(HeldChange change) {
        held_.push_back(std::move(change));
        return Flush();
    }

    WriteResult NewSheet() {
        if (!current_ && held_.empty()) {
            return WriteResult::Stored;  // no sheet yet: the first change starts one
        }
        return Submit(StartSheet{});
    }

    bool WriteHeld() {
        if (!held_.empty()) {
            Flush();
        }
        return held_.empty();
    }

    std::optional<LoadedSheet> LoadCurrent() {
        if (!current_ || !db_.IsOpen() || (!keeping_ && !readOnly_)) {
            return std::nullopt;
        }
        damageFound_ = false;
        std::optional<LoadedSheet> loaded = LoadSheet(*current_);
        if (damageFound_ && !readOnly_) {
            // Opening checks only the small tables; damage among the lines shows here. A file
            // that is only read stays as it is.
            StartAfresh();
            return std::nullopt;
        }
        if (!loaded) {
            // What cannot be used stays in the history as it is; the tape starts on a new sheet.
            Submit(StartSheet{});
        }
        return loaded;
    }

    OpenSheetResult OpenSheet(SheetId id, LoadedSheet& loaded) {
        if (readOnly_) {
            return ShowReadOnly(id, loaded);
        }
        if (!db_.IsOpen() || !keeping_ || !held_.empty()) {
            return OpenSheetResult::NotKeeping;
        }
        if (id == current_) {
            std::optional<LoadedSheet> same = LoadSheet(id);
            return same ? (loaded = std::move(*same), OpenSheetResult::Opened)
                        : OpenSheetResult::Damaged;
        }
        std::optional<LoadedSheet> sheet = LoadSheet(id);
        try {
            std::optional<OpenSheetResult> refusal;
            Transaction([&] {
                const std::optional<std::int64_t> owner = OwnerOf(id);
                if (!owner) {
                    refusal = OpenSheetResult::Missing;
                } else if (!IsFreeForMe(*owner)) {
                    refusal = OpenSheetResult::InUse;
                } else if (!sheet) {
                    refusal = OpenSheetResult::Damaged;
                } else {
                    MakeCurrent(id);
                }
            });
            if (refusal) {
                return *refusal;
            }
        } catch (const std::exception& error) {
            StopKeeping(CauseOf(error));
            return OpenSheetResult::NotKeeping;
        }
        loaded = std::move(*sheet);
        return OpenSheetResult::Opened;
    }

    std::vector<SheetSummary> ListSheets() {
        return Summaries(statements_ ? &statements_->list : nullptr);
    }

    std::vector<SheetSummary> FindSheetsByAmount(double amount) {
        if (!statements_) {
            return {};
        }
        try {
            statements_->byAmount.Bind(1, amount);
        } catch (const SqliteError&) {
            return {};
        }
        return Summaries(&statements_->byAmount);
    }

    std::vector<SheetSummary> FindSheetsByNote(const std::string& words) {
        const NoteSearch search(words);
        if (!statements_ || search.Empty()) {
            return {};
        }
        std::set<SheetId> found;
        try {
            // A sheet's name is searched as one more note of it.
            for (Statement* texts : {&statements_->notes, &statements_->names}) {
                ResetOnExit reset(*texts);
                while (texts->Step()) {
                    if (search.Matches(texts->Text(1))) {
                        found.insert(texts->Int(0));
                    }
                }
            }
        } catch (const SqliteError&) {
            return {};
        }
        std::vector<SheetSummary> sheets = ListSheets();
        std::erase_if(sheets, [&](const SheetSummary& sheet) { return !found.contains(sheet.id); });
        return sheets;
    }

    WriteResult DeleteSheet(SheetId id) {
        if (!db_.IsOpen() || !keeping_ || id == current_) {
            return WriteResult::Refused;
        }
        bool deleted = false;
        try {
            Transaction([&] {
                const std::optional<std::int64_t> owner = OwnerOf(id);
                if (!owner || !IsFreeForMe(*owner)) {
                    return;
                }
                statements_->deleteLines.Bind(1, id).Run();
                statements_->deleteCommands.Bind(1, id).Run();
                statements_->deleteSheet.Bind(1, id).Run();
                deleted = true;
            });
        } catch (const std::exception& error) {
            StopKeeping(CauseOf(error));
            return WriteResult::Refused;
        }
        return deleted ? WriteResult::Stored : WriteResult::Refused;
    }

    std::optional<LoadedSheet> LoadSheet(SheetId id) {
        if (!statements_) {
            return std::nullopt;
        }
        try {
            LoadedSheet loaded;
            {
                Statement& summary = statements_->summary;
                ResetOnExit reset(summary);
                summary.Bind(1, id);
                if (!summary.Step()) {
                    return std::nullopt;
                }
                std::optional<SheetSummary> read = ReadSummary(summary, 0);
                if (!read) {
                    return std::nullopt;
                }
                loaded.summary = std::move(*read);
            }
            {
                Statement& state = statements_->sheetState;
                ResetOnExit reset(state);
                state.Bind(1, id);
                if (!state.Step()) {
                    return std::nullopt;
                }
                if (state.Type(0) == SQLITE_TEXT) {
                    loaded.state = state.Text(0);
                } else if (state.Type(0) != SQLITE_NULL || loaded.summary.lastSequence != 0) {
                    return std::nullopt;
                }
            }
            Statement& lines = statements_->loadLines;
            ResetOnExit reset(lines);
            lines.Bind(1, id);
            if (loaded.summary.lineCount < 1'000'000'000) {
                loaded.lines.reserve(static_cast<std::size_t>(loaded.summary.lineCount));
            }
            while (lines.Step()) {
                std::optional<StoredLine> line = ReadLine(lines, 1);
                const auto expected = static_cast<std::int64_t>(loaded.lines.size()) + 1;
                if (!line || lines.Type(0) != SQLITE_INTEGER || lines.Int(0) != expected) {
                    return std::nullopt;
                }
                loaded.lines.push_back(std::move(*line));
            }
            if (static_cast<std::int64_t>(loaded.lines.size()) != loaded.summary.lineCount) {
                return std::nullopt;
            }
            return loaded;
        } catch (const SqliteError& error) {
            damageFound_ = error.Code() == SQLITE_CORRUPT || error.Code() == SQLITE_NOTADB;
            return std::nullopt;
        }
    }

    std::optional<std::vector<CommandRecord>> LoadCommands(SheetId id) {
        if (!statements_) {
            return std::nullopt;
        }
        try {
            Statement& commands = statements_->loadCommands;
            ResetOnExit reset(commands);
            commands.Bind(1, id);
            std::vector<CommandRecord> records;
            while (commands.Step()) {
                std::optional<CommandRecord> record =
                    ReadCommand(commands, 0, records.empty() ? 0 : records.back().sequence);
                if (!record) {
                    return std::nullopt;
                }
                records.push_back(std::move(*record));
            }
            return records;
        } catch (const SqliteError&) {
            return std::nullopt;
        }
    }

    void SyncIfDue() {
        if (!unsynced_ || !db_.IsOpen() || Now() - lastSyncMs_ < kSyncIntervalMs) {
            return;
        }
        // A passive checkpoint syncs the log before it copies what it can into the file; it
        // never waits for another instance.
        sqlite3_wal_checkpoint_v2(db_.Handle(), "main", SQLITE_CHECKPOINT_PASSIVE, nullptr,
                                  nullptr);
        lastSyncMs_ = Now();
        unsynced_ = false;
    }

private:
    std::string Native() const { return options_.path.string(); }
    std::int64_t Now() const { return options_.clockMs(); }

    // The value of a sheet's owner column for this instance: its slot, or NULL without one.
    std::optional<std::int64_t> Owner() const {
        return slot_ ? std::optional<std::int64_t>(slot_->Number()) : std::nullopt;
    }

    static Cause CauseOf(const std::exception& error) {
        if (const auto* sqlite = dynamic_cast<const SqliteError*>(&error)) {
            return store::CauseOf(*sqlite);
        }
        if (dynamic_cast<const FolderNotMade*>(&error) != nullptr) {
            return {NoticeCause::FolderNotMade, error.what()};
        }
        return {NoticeCause::CannotWrite, error.what()};
    }

    // Told once until storing resumes.
    void StopKeeping(const Cause& cause) {
        if (!stopNoticeGiven_) {
            notices_.push_back({StoreNotice::Kind::CannotKeep, cause.detail, cause.code});
            stopNoticeGiven_ = true;
        }
        keeping_ = false;
    }

    // Opens the file, moving an unusable one aside. Throws when no store can be opened.
    OpenedAs OpenFile() {
        std::error_code error;
        // A bare file name is in the working folder, which exists.
        if (!options_.path.parent_path().empty()) {
            fs::create_directories(options_.path.parent_path(), error);
        }
        if (error) {
            throw FolderNotMade(options_.path.parent_path().string());
        }
        const bool existed =
            fs::exists(options_.path, error) && fs::file_size(options_.path, error) > 0;
        NoticeCause why = NoticeCause::Damaged;
        try {
            return OpenExisting(Access::ReadWrite) ? OpenedAs::Existing : OpenedAs::Created;
        } catch (const UnusableFile& unusable) {
            why = unusable.cause;
        } catch (const SqliteError& failure) {
            if (!existed || failure.Code() == SQLITE_FULL) {
                throw;
            }
            // Only a file that cannot be read as a store is moved aside; one that cannot be
            // written is shown as it is.
            if (MeansNotWritable(failure) && OpenForReading()) {
                return OpenedAs::ReadOnly;
            }
            why = store::CauseOf(failure).code;
            if (why != NoticeCause::Locked) {
                why = NoticeCause::Damaged;  // a file that is there but cannot be read as a store
            }
        }
        CloseFile();
        const fs::path movedTo = MoveAside(options_.path, Now());
        notices_.push_back({StoreNotice::Kind::MovedAside, movedTo.string(), why});
        OpenExisting();
        return OpenedAs::MovedAside;
    }

    // Opens and prepares the file; true if it held a store already. Throws UnusableFile, and
    // SqliteError (SQLITE_READONLY among others) when it cannot be opened as `access` asks.
    bool OpenExisting(Access access = Access::ReadWrite) {
        if (access == Access::ReadWrite) {
            db_ = Connection(Native(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
            // SQLite opens a file it may not write for reading only, without an error.
            if (sqlite3_db_readonly(db_.Handle(), "main") == 1) {
                throw SqliteError(SQLITE_READONLY, "the file is read-only");
            }
        } else {
            db_ = Connection(ReadingUri(options_.path, access),
                             SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
        }
        sqlite3_busy_timeout(db_.Handle(), options_.busyTimeoutMs);
        const FileKind kind = InspectFile(db_);
        if (kind == FileKind::Unusable || kind == FileKind::Newer) {
            throw UnusableFile{kind == FileKind::Newer ? NoticeCause::NewerVersion
                                                       : NoticeCause::Damaged};
        }
        if (kind == FileKind::Older && access == Access::ReadWrite) {
            MigrateToCurrent(db_, options_.path, SchemaVersionOf(db_));
        } else if (kind == FileKind::Older) {
            // A store of an older version that may not be written is read through a copy
            // migrated in memory; the file stays as it is.
            db_ = MigratedCopy(db_);
        }
        if (access != Access::ReadWrite) {
            // Nothing is set up in a file that is only read; one without tables lists nothing.
            if (kind != FileKind::Empty) {
                statements_ = std::make_unique<PreparedStatements>(db_);
            }
            return kind != FileKind::Empty;
        }
        {
            Statement wal(db_, "PRAGMA journal_mode = WAL");
            if (!wal.Step() || wal.Text(0) != "wal") {
                throw UnusableFile{NoticeCause::Damaged};
            }
        }
        db_.Execute(options_.durability == Durability::Full ? "PRAGMA synchronous = FULL"
                                                            : "PRAGMA synchronous = NORMAL");
        if (kind == FileKind::Empty) {
            CreateSchema(db_);
        }
        statements_ = std::make_unique<PreparedStatements>(db_);
        return kind != FileKind::Empty;
    }

    void CloseFile() {
        statements_.reset();
        db_.Close();
    }

    // Opens the file for reading only. A file that was closed cleanly (no log beside it) is read
    // as a file nothing changes while it is open, which leaves nothing beside it; one with a log,
    // whose last changes may be in the log alone, is read with the log if SQLite can make the
    // log's index beside it. False when it cannot be read as a store.
    bool OpenForReading() {
        fs::path log = options_.path;
        log += "-wal";
        std::error_code error;
        const bool hasLog = fs::exists(log, error);
        std::vector<Access> tries{Access::Unchanging};
        if (hasLog) {
            tries.insert(tries.begin(), Access::ReadOnly);
        }
        for (const Access access : tries) {
            CloseFile();
            try {
                OpenExisting(access);
                return true;
            } catch (const UnusableFile&) {
                break;
            } catch (const SqliteError& failure) {
                if (!MeansNotWritable(failure)) {
                    break;  // damaged, or locked by another program: not a matter of rights
                }
            }
        }
        CloseFile();
        return false;
    }

    // A store that can be read but not written: its sheets show, unclaimed, and every change is
    // held until the file can be written.
    void StartReadOnly() {
        readOnly_ = true;
        keeping_ = false;
        stopNoticeGiven_ = true;  // this notice says why nothing is kept
        notices_.push_back({StoreNotice::Kind::ReadOnly, options_.path.string()});
    }

    // The sheet last made current, read without claiming it.
    std::optional<SheetId> LastCurrent() {
        if (!statements_) {
            return std::nullopt;
        }
        try {
            Statement& get = statements_->currentGet;
            ResetOnExit reset(get);
            if (get.Step() && get.Type(0) == SQLITE_INTEGER) {
                return get.Int(0);
            }
        } catch (const SqliteError&) {
        }
        return std::nullopt;
    }

    OpenSheetResult ShowReadOnly(SheetId id, LoadedSheet& loaded) {
        std::optional<LoadedSheet> sheet = LoadSheet(id);
        if (!sheet) {
            return OpenSheetResult::Missing;  // or unusable: there is nothing to show either way
        }
        // What was held for the sheet shown before could not be kept, as the user was told; it
        // must not be written into this one should the file become writable.
        held_.clear();
        current_ = id;
        loaded = std::move(*sheet);
        return OpenSheetResult::Opened;
    }

    // Whether the file can be written now: a write transaction begins in a connection of its
    // own (which also makes the log beside the file) and is rolled back at once.
    bool WritableNow() const {
        try {
            Connection probe(Native(), SQLITE_OPEN_READWRITE);
            if (sqlite3_db_readonly(probe.Handle(), "main") == 1) {
                return false;
            }
            probe.Execute("BEGIN IMMEDIATE");
            probe.Execute("ROLLBACK");
            return true;
        } catch (const SqliteError&) {
            return false;
        }
    }

    // The open file turned out damaged: it is moved aside whole and a fresh store started, as at
    // opening.
    void StartAfresh() {
        try {
            // Closing would copy the log into the file; the log is moved aside beside it instead.
            sqlite3_db_config(db_.Handle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
            CloseFile();
            const fs::path movedTo = MoveAside(options_.path, Now());
            notices_.push_back(
                {StoreNotice::Kind::MovedAside, movedTo.string(), NoticeCause::Damaged});
            openedAs_ = OpenedAs::MovedAside;
            OpenExisting();
            Transaction([&] { current_ = TakeUpSheet(); });
        } catch (const std::exception& error) {
            CloseFile();
            StopKeeping(CauseOf(error));
        }
    }

    // Copies the log into the file and empties it, so that its space on the disk is free again.
    void GiveBackLog() {
        if (sqlite3_wal_checkpoint_v2(db_.Handle(), "main", SQLITE_CHECKPOINT_TRUNCATE, nullptr,
                                      nullptr) == SQLITE_OK) {
            lastSyncMs_ = Now();
            unsynced_ = false;
        }
    }

    bool HasMoved() {
        int moved = 0;
        sqlite3_file_control(db_.Handle(), "main", SQLITE_FCNTL_HAS_MOVED, &moved);
        return moved != 0;
    }

    template <class Body>
    void Transaction(Body body) {
        statements_->begin.Run();
        try {
            body();
            statements_->commit.Run();
        } catch (...) {
            sqlite3_exec(db_.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
            throw;
        }
    }

    // The owner column of a sheet: outer nothing if there is no such sheet, inner nothing if no
    // one works on it.
    std::optional<std::int64_t> OwnerOf(SheetId id) {
        Statement& row = statements_->sheetRow;
        ResetOnExit reset(row);
        row.Bind(1, id);
        if (!row.Step()) {
            return std::nullopt;
        }
        return row.Type(2) == SQLITE_INTEGER ? row.Int(2) : -1;
    }

    bool IsFreeForMe(std::int64_t owner) const {
        return owner < 0 || (slot_ && owner == slot_->Number()) ||
               !InstanceSlot::IsHeld(Native(), static_cast<int>(owner));
    }

    void MakeCurrent(SheetId id) {
        if (current_) {
            statements_->release.Bind(1, *current_).Bind(2, Owner()).Run();
        }
        Claim(id);
        current_ = id;
    }

    void Claim(SheetId id) {
        statements_->claim.Bind(1, id).Bind(2, Owner()).Run();
        statements_->currentSet.Bind(1, id).Run();
    }

    SheetId InsertSheet() {
        Statement& insert = statements_->insertSheet;
        insert.Bind(1, Now()).Bind(2, Owner()).Run();
        const SheetId id = sqlite3_last_insert_rowid(db_.Handle());
        // A new sheet starts empty: rows a damaged file left under its id would make it
        // unreadable (a line numbered 0) or come back as its own.
        statements_->deleteLines.Bind(1, id).Run();
        statements_->deleteCommands.Bind(1, id).Run();
        Claim(id);
        return id;
    }

    // Inside a transaction: the sheet last made current if no running instance works on it,
    // otherwise none (the first change makes one); `taken` tells whether another instance works
    // on that sheet.
    std::optional<SheetId> TakeUpSheet(bool* taken = nullptr) {
        std::optional<SheetId> last;
        {
            Statement& get = statements_->currentGet;
            ResetOnExit reset(get);
            if (get.Step() && get.Type(0) == SQLITE_INTEGER) {
                last = get.Int(0);
            }
        }
        if (last && slot_) {
            const std::optional<std::int64_t> owner = OwnerOf(*last);
            if (owner && IsFreeForMe(*owner)) {
                Claim(*last);
                return *last;
            }
            if (owner && taken != nullptr) {
                *taken = true;
            }
        }
        return std::nullopt;
    }

    // Writes what is held, oldest first. Stored when everything is written, Refused when the
    // only change does not fit, Held when the file cannot be written now.
    WriteResult Flush() {
        const bool onlyNew = held_.size() == 1;
        const bool wasRestarted = restarted_;
        bool logGivenBack = false;
        int written = 0;
        while (!held_.empty()) {
            // A change undone by a rollback leaves the sheet it would have made unmade.
            const std::optional<SheetId> before = current_;
            try {
                if (readOnly_) {
                    if (!WritableNow()) {
                        return WriteResult::Held;
                    }
                    // The file can be written now: it is opened again to keep, as after a loss.
                    readOnly_ = false;
                    CloseFile();
                }
                if (db_.IsOpen() && HasMoved()) {
                    CloseFile();
                    StopKeeping({NoticeCause::FileVanished, {}});
                }
                if (!db_.IsOpen()) {
                    Reopen();
                    if (readOnly_) {
                        return WriteResult::Held;  // opened, but still only for reading
                    }
                    continue;
                }
                if (options_.pageLimit) {
                    db_.Execute(
                        ("PRAGMA max_page_count = " + std::to_string(*options_.pageLimit)).c_str());
                }
                Transaction([&] { Apply(held_.front()); });
                held_.pop_front();
                if (++written % kCatchUpCheckpointEvery == 0 && !held_.empty()) {
                    // Catching up on many held commands: the log is copied into the file now and
                    // then so that it is reused, not grown (on a nearly full disk it would fill
                    // it).
                    sqlite3_wal_checkpoint_v2(db_.Handle(), "main", SQLITE_CHECKPOINT_PASSIVE,
                                              nullptr, nullptr);
                }
            } catch (const Misfit&) {
                current_ = before;
                held_.pop_front();
                if (onlyNew) {
                    return WriteResult::Refused;
                }
            } catch (const std::exception& error) {
                current_ = before;
                const auto* sqlite = dynamic_cast<const SqliteError*>(&error);
                // Each command held adds its pages to the log until the next checkpoint, so on a
                // small disk the log itself can fill what was freed: its space is given back
                // once and the writing goes on.
                if (sqlite != nullptr && sqlite->Code() == SQLITE_FULL && !logGivenBack) {
                    logGivenBack = true;
                    GiveBackLog();
                    continue;
                }
                StopKeeping(CauseOf(error));
                if (sqlite == nullptr) {
                    CloseFile();
                }
                return WriteResult::Held;
            }
        }
        unsynced_ = true;
        SyncIfDue();
        const bool lost = restarted_ && !wasRestarted;
        if (!keeping_) {
            keeping_ = true;
            if (!restarted_) {
                notices_.push_back({StoreNotice::Kind::Resumed, ""});
            }
            stopNoticeGiven_ = false;
        }
        restarted_ = false;
        return lost ? WriteResult::Lost : WriteResult::Stored;
    }

    // Opens the store again after it could not be reached. If the current sheet is no longer in
    // it, a new sheet is started; held changes that continued the lost one are dropped.
    void Reopen() {
        try {
            ReopenFile();
        } catch (...) {
            CloseFile();
            throw;
        }
    }

    void ReopenFile() {
        const OpenedAs opened = OpenFile();
        if (opened == OpenedAs::ReadOnly) {
            if (!stopNoticeGiven_) {
                StartReadOnly();
            }
            readOnly_ = true;
            keeping_ = false;
            return;  // the changes stay held; the file stays open to be read
        }
        if (openedAs_ == OpenedAs::Unavailable || openedAs_ == OpenedAs::NotMadeYet) {
            openedAs_ = opened;
        }
        if (!slot_) {
            slot_ = InstanceSlot::Take(Native());
        }
        bool continues = false;
        Transaction([&] {
            const std::optional<std::int64_t> owner =
                current_ ? OwnerOf(*current_) : std::optional<std::int64_t>{};
            continues = owner && IsFreeForMe(*owner);
            if (continues) {
                Claim(*current_);
            } else {
                current_ = InsertSheet();
            }
        });
        if (continues) {
            return;
        }
        const auto isFreshStart = [](const HeldChange& change) {
            const auto* sheetChange = std::get_if<SheetChange>(&change);
            return std::holds_alternative<StartSheet>(change) ||
                   (sheetChange && sheetChange->keepLines == 0);
        };
        const auto fresh = std::find_if(held_.begin(), held_.end(), isFreshStart);
        if (fresh != held_.begin() || held_.empty()) {
            held_.erase(held_.begin(), fresh);
            if (!keeping_) {
                notices_.push_back({StoreNotice::Kind::SheetRestarted, ""});
                restarted_ = true;
            }
        }
        if (!held_.empty() && std::holds_alternative<StartSheet>(held_.front())) {
            held_.pop_front();  // the new sheet is already started
        }
    }

    void Apply(const HeldChange& change) {
        std::visit([&](const auto& each) { ApplyOne(each); }, change);
    }

    void ApplyOne(const StartSheet&) {
        if (current_) {
            statements_->release.Bind(1, *current_).Bind(2, Owner()).Run();
            current_.reset();
        }
    }

    // Naming leaves the time of the last change alone: the history keeps its order.
    void ApplyOne(const NameChange& change) {
        const SheetId sheet = change.sheet.value_or(*current_);
        statements_->setName.Bind(1, sheet).Bind(2, change.name).Run();
        if (sqlite3_changes(db_.Handle()) != 1) {
            throw Misfit{};
        }
    }

    void ApplyOne(const NoteChange& change) {
        if (!current_) {
            throw Misfit{};  // a sheet not made yet has no lines
        }
        Statement& set = statements_->setNote;
        set.Bind(1, change.note).Bind(2, *current_).Bind(3, change.line).Run();
        if (sqlite3_changes(db_.Handle()) != 1) {
            throw Misfit{};
        }
        statements_->touchSheet.Bind(1, *current_).Bind(2, Now()).Run();
    }

    void ApplyOne(const SheetChange& change) {
        if (!current_) {
            current_ = InsertSheet();
        }
        const SheetId sheet = *current_;
        std::int64_t lines = 0;
        std::int64_t lastSequence = 0;
        std::optional<std::string> lastTotal;
        {
            Statement& row = statements_->sheetRow;
            ResetOnExit reset(row);
            row.Bind(1, sheet);
            if (!row.Step()) {
                throw Misfit{};
            }
            lines = row.Int(0);
            lastSequence = row.Int(1);
            if (row.Type(3) == SQLITE_TEXT) {
                lastTotal = std::string(row.Text(3));
            }
        }
        const auto outside = [&](const LineUpdate& update) {
            return update.position < 1 || update.position > change.keepLines;
        };
        if (change.keepLines < 0 || change.keepLines > lines ||
            change.command.sequence <= lastSequence ||
            std::any_of(change.updates.begin(), change.updates.end(), outside)) {
            throw Misfit{};
        }
        // Always, not only when the sheet says it has more lines: a damaged file may hold stray
        // rows beyond its count, and they must not block the command.
        statements_->cutLines.Bind(1, sheet).Bind(2, change.keepLines).Run();
        std::int64_t number = change.keepLines;
        for (const StoredLine& line : change.lines) {
            WriteLine(statements_->insertLine, sheet, ++number, line);
        }
        for (const LineUpdate& update : change.updates) {
            WriteLine(statements_->updateLine, sheet, update.position, update.line);
            if (sqlite3_changes(db_.Handle()) != 1) {
                throw Misfit{};  // the sheet's count says more lines than its rows hold
            }
        }
        const CommandRecord& command = change.command;
        statements_->insertCommand.Bind(1, sheet)
            .Bind(2, command.sequence)
            .Bind(3, std::string_view(command.name))
            .Bind(4, std::string_view(command.entry))
            .Bind(5, std::int64_t{command.rounding})
            .Bind(6, command.line)
            .Bind(7, command.number)
            .Bind(8, command.note)
            .Run();
        Statement& update = statements_->updateSheet;
        update.Bind(1, sheet).Bind(2, Now()).Bind(3, number).Bind(4, command.sequence);
        update.Bind(5, LastTotalAfter(sheet, change, lines, std::move(lastTotal)));
        update.Bind(6, std::string_view(change.state)).Run();
    }

    // Inserts or updates a line row: both statements take the row's columns in the same order.
    void WriteLine(Statement& write, SheetId sheet, std::int64_t number, const StoredLine& line) {
        write.Bind(1, sheet)
            .Bind(2, number)
            .Bind(3, std::string_view(line.text))
            .Bind(4, std::int64_t{line.mark})
            .Bind(5, std::int64_t{line.itemCount})
            .Bind(6, std::int64_t{line.negative});
        const std::optional<double> amount = AmountValue(line.text, Separators{});
        amount ? write.Bind(7, *amount) : write.BindNull(7);
        write.Bind(8, line.note).Bind(9, line.original);
        line.changed ? write.Bind(10, std::int64_t{1}) : write.BindNull(10);
        write.Run();
    }

    // The summary's last total after a change: the change's last total line; else, if lines
    // were cut or updated, the last total in the sheet now; else the one the summary had.
    std::optional<std::string> LastTotalAfter(SheetId sheet, const SheetChange& change,
                                              std::int64_t linesBefore,
                                              std::optional<std::string> before) {
        const auto total =
            std::find_if(change.lines.rbegin(), change.lines.rend(),
                         [](const StoredLine& line) { return line.mark == kTotalMark; });
        if (total != change.lines.rend()) {
            return total->text;
        }
        if (change.keepLines == linesBefore && change.updates.empty()) {
            return before;
        }
        Statement& find = statements_->lastTotal;
        ResetOnExit reset(find);
        find.Bind(1, sheet);
        return find.Step() ? std::optional<std::string>(find.Text(0)) : std::nullopt;
    }

    std::vector<SheetSummary> Summaries(Statement* query) {
        std::vector<SheetSummary> sheets;
        if (query == nullptr) {
            return sheets;
        }
        try {
            ResetOnExit reset(*query);
            while (query->Step()) {
                if (std::optional<SheetSummary> sheet = ReadSummary(*query, 0)) {
                    sheets.push_back(std::move(*sheet));
                }
            }
        } catch (const SqliteError&) {
            sheets.clear();
        }
        return sheets;
    }

    StoreOptions options_;
    OpenedAs openedAs_ = OpenedAs::Unavailable;
    Connection db_;
    std::unique_ptr<PreparedStatements> statements_;
    std::optional<InstanceSlot> slot_;
    std::optional<SheetId> current_;
    bool keeping_ = false;
    bool stopNoticeGiven_ = false;
    bool restarted_ = false;
    bool readOnly_ = false;  // the file can be read but not written: nothing is tried but that
    bool damageFound_ = false;
    bool unsynced_ = false;
    std::int64_t lastSyncMs_ = 0;
    std::deque<HeldChange> held_;
    std::deque<StoreNotice> notices_;
};

TapeStore::TapeStore(StoreOptions options) : impl_(std::make_unique<Impl>(std::move(options))) {}
TapeStore::~TapeStore() = default;

OpenedAs TapeStore::HowOpened() const {
    return impl_->HowOpened();
}
bool TapeStore::IsKeeping() const {
    return impl_->IsKeeping();
}
std::optional<StoreNotice> TapeStore::TakeNotice() {
    return impl_->TakeNotice();
}
std::optional<SheetId> TapeStore::CurrentSheet() const {
    return impl_->CurrentSheet();
}
std::optional<LoadedSheet> TapeStore::LoadCurrent() {
    return impl_->LoadCurrent();
}

WriteResult TapeStore::Record(const SheetChange& change) {
    const auto storableUpdate = [](const LineUpdate& update) {
        return update.position >= 1 && IsStorable(update.line);
    };
    if (!IsStorable(change.command) || change.keepLines < 0 ||
        !std::all_of(change.lines.begin(), change.lines.end(),
                     [](const StoredLine& line) { return IsStorable(line); }) ||
        !std::all_of(change.updates.begin(), change.updates.end(), storableUpdate)) {
        return WriteResult::Refused;
    }
    return impl_->Submit(change);
}

WriteResult TapeStore::SetNote(std::int64_t line, const std::optional<std::string>& note) {
    if (line < 1 || (note && (note->size() > kMaxStoredText || !IsValidUtf8(*note)))) {
        return WriteResult::Refused;
    }
    return impl_->Submit(NoteChange{line, note});
}

WriteResult TapeStore::NameSheet(std::optional<SheetId> sheet,
                                 const std::optional<std::string>& name) {
    if (name && (name->size() > kMaxStoredText || !IsValidUtf8(*name))) {
        return WriteResult::Refused;
    }
    return impl_->Submit(NameChange{sheet, name && !name->empty() ? name : std::nullopt});
}

void TapeStore::SyncIfDue() {
    impl_->SyncIfDue();
}

bool TapeStore::WriteHeld() {
    return impl_->WriteHeld();
}

WriteResult TapeStore::NewSheet() {
    return impl_->NewSheet();
}

OpenSheetResult TapeStore::OpenSheet(SheetId id, LoadedSheet& loaded) {
    return impl_->OpenSheet(id, loaded);
}

std::vector<SheetSummary> TapeStore::ListSheets() {
    return impl_->ListSheets();
}
std::vector<SheetSummary> TapeStore::FindSheetsByAmount(double amount) {
    return impl_->FindSheetsByAmount(amount);
}
std::vector<SheetSummary> TapeStore::FindSheetsByNote(const std::string& words) {
    return impl_->FindSheetsByNote(words);
}
WriteResult TapeStore::DeleteSheet(SheetId id) {
    return impl_->DeleteSheet(id);
}
std::optional<LoadedSheet> TapeStore::LoadSheet(SheetId id) {
    return impl_->LoadSheet(id);
}
std::optional<std::vector<CommandRecord>> TapeStore::LoadCommands(SheetId id) {
    return impl_->LoadCommands(id);
}
const std::filesystem::path& TapeStore::Path() const {
    return impl_->Path();
}

}  // namespace reckora::store
