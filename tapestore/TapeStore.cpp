#include "TapeStore.h"

#include <algorithm>
#include <chrono>
#include <deque>
#include <set>
#include <variant>

#include "InstanceSlot.h"
#include "MoveAside.h"
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
struct UnusableFile {};

// The store cannot be reached; `what` says why in words for the user.
class CannotKeep : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string CauseOf(const SqliteError& error) {
    switch (error.Code()) {
        case SQLITE_FULL:
            return "the disk is full (" + std::string(error.what()) + ")";
        case SQLITE_READONLY:
        case SQLITE_PERM:
            return "the tape file or its folder is read-only (" + std::string(error.what()) + ")";
        case SQLITE_CANTOPEN:
            return "the tape file cannot be opened (" + std::string(error.what()) + ")";
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return "another program is holding the tape file (" + std::string(error.what()) + ")";
        default:
            return "the tape file cannot be written (" + std::string(error.what()) + ")";
    }
}

bool ContainsIgnoringCase(std::string_view text, std::string_view word) {
    const auto lower = [](char c) -> int { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    return std::search(text.begin(), text.end(), word.begin(), word.end(),
                       [&](char a, char b) { return lower(a) == lower(b); }) != text.end();
}

std::vector<std::string_view> WordsOf(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    while ((start = text.find_first_not_of(" \t\r\n", start)) != std::string_view::npos) {
        const std::size_t end = std::min(text.find_first_of(" \t\r\n", start), text.size());
        words.push_back(text.substr(start, end - start));
        start = end;
    }
    return words;
}

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
          insertSheet(db,
                      "INSERT INTO sheet(started, changed, lines, last_seq, owner) "
                      "VALUES(?1, ?1, 0, 0, ?2)"),
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
            slot_ = InstanceSlot::Take(Native());
            Transaction([&] { current_ = TakeUpSheet(); });
            keeping_ = true;
        } catch (const std::exception& error) {
            openedAs_ = OpenedAs::Unavailable;
            CloseFile();
            StopKeeping(CauseOf(error));
        }
    }

    ~Impl() {
        if (!db_.IsOpen() || !current_) {
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
        if (openedAs_ == OpenedAs::NotMadeYet && held_.empty()) {
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
        if (!current_ || !db_.IsOpen() || !keeping_) {
            return std::nullopt;
        }
        damageFound_ = false;
        std::optional<LoadedSheet> loaded = LoadSheet(*current_);
        if (damageFound_) {
            // Opening checks only the small tables; damage among the lines shows here.
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
        const std::vector<std::string_view> wanted = WordsOf(words);
        if (!statements_ || wanted.empty()) {
            return {};
        }
        std::set<SheetId> found;
        try {
            // A sheet's name is searched as one more note of it.
            for (Statement* texts : {&statements_->notes, &statements_->names}) {
                ResetOnExit reset(*texts);
                while (texts->Step()) {
                    const std::string_view text = texts->Text(1);
                    if (std::all_of(wanted.begin(), wanted.end(), [&](std::string_view word) {
                            return ContainsIgnoringCase(text, word);
                        })) {
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

    static std::string CauseOf(const std::exception& error) {
        if (const auto* sqlite = dynamic_cast<const SqliteError*>(&error)) {
            return store::CauseOf(*sqlite);
        }
        return error.what();
    }

    // Told once until storing resumes.
    void StopKeeping(const std::string& cause) {
        if (!stopNoticeGiven_) {
            notices_.push_back({StoreNotice::Kind::CannotKeep, cause});
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
            throw CannotKeep("the folder " + options_.path.parent_path().string() +
                             " cannot be made (" + error.message() + ")");
        }
        const bool existed =
            fs::exists(options_.path, error) && fs::file_size(options_.path, error) > 0;
        try {
            return OpenExisting() ? OpenedAs::Existing : OpenedAs::Created;
        } catch (const UnusableFile&) {
        } catch (const SqliteError& failure) {
            if (!existed || failure.Code() == SQLITE_FULL) {
                throw;
            }
        }
        CloseFile();
        const fs::path movedTo = MoveAside(options_.path, Now());
        notices_.push_back({StoreNotice::Kind::MovedAside, movedTo.string()});
        OpenExisting();
        return OpenedAs::MovedAside;
    }

    // Opens and prepares the file; true if it held a store already. Throws UnusableFile.
    bool OpenExisting() {
        db_ = Connection(Native(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        sqlite3_busy_timeout(db_.Handle(), options_.busyTimeoutMs);
        const FileKind kind = InspectFile(db_);
        if (kind == FileKind::Unusable) {
            throw UnusableFile{};
        }
        if (kind == FileKind::Older) {
            MigrateToCurrent(db_, options_.path, SchemaVersionOf(db_));
        }
        {
            Statement wal(db_, "PRAGMA journal_mode = WAL");
            if (!wal.Step() || wal.Text(0) != "wal") {
                throw UnusableFile{};
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

    // The open file turned out damaged: it is moved aside whole and a fresh store started, as at
    // opening.
    void StartAfresh() {
        try {
            // Closing would copy the log into the file; the log is moved aside beside it instead.
            sqlite3_db_config(db_.Handle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
            CloseFile();
            const fs::path movedTo = MoveAside(options_.path, Now());
            notices_.push_back({StoreNotice::Kind::MovedAside, movedTo.string()});
            openedAs_ = OpenedAs::MovedAside;
            OpenExisting();
            Transaction([&] { current_ = TakeUpSheet(); });
        } catch (const std::exception& error) {
            CloseFile();
            StopKeeping(CauseOf(error));
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
        Claim(id);
        return id;
    }

    // Inside a transaction: the sheet last made current if no running instance works on it,
    // otherwise a new one.
    SheetId TakeUpSheet() {
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
        }
        return InsertSheet();
    }

    // Writes what is held, oldest first. Stored when everything is written, Refused when the
    // only change does not fit, Held when the file cannot be written now.
    WriteResult Flush() {
        const bool onlyNew = held_.size() == 1;
        const bool wasRestarted = restarted_;
        while (!held_.empty()) {
            try {
                if (db_.IsOpen() && HasMoved()) {
                    CloseFile();
                    StopKeeping("the tape file was moved or deleted");
                }
                if (!db_.IsOpen()) {
                    Reopen();
                    continue;
                }
                if (options_.pageLimit) {
                    db_.Execute(
                        ("PRAGMA max_page_count = " + std::to_string(*options_.pageLimit)).c_str());
                }
                Transaction([&] { Apply(held_.front()); });
                held_.pop_front();
            } catch (const Misfit&) {
                held_.pop_front();
                if (onlyNew) {
                    return WriteResult::Refused;
                }
            } catch (const std::exception& error) {
                StopKeeping(CauseOf(error));
                if (dynamic_cast<const SqliteError*>(&error) == nullptr) {
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
        if (!current_) {
            throw Misfit{};
        }
        std::visit([&](const auto& each) { ApplyOne(each); }, change);
    }

    void ApplyOne(const StartSheet&) {
        const SheetId previous = *current_;
        statements_->release.Bind(1, previous).Bind(2, Owner()).Run();
        current_ = InsertSheet();
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
        Statement& set = statements_->setNote;
        set.Bind(1, change.note).Bind(2, *current_).Bind(3, change.line).Run();
        if (sqlite3_changes(db_.Handle()) != 1) {
            throw Misfit{};
        }
        statements_->touchSheet.Bind(1, *current_).Bind(2, Now()).Run();
    }

    void ApplyOne(const SheetChange& change) {
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
