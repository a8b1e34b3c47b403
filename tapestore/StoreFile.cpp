#include "StoreFile.h"

#include <cctype>
#include <chrono>
#include <string_view>
#include <vector>

#include "MoveAside.h"
#include "StoreMigration.h"
#include "StoreSchema.h"
#include "StoreTrouble.h"

namespace reckora::store {

namespace {

namespace fs = std::filesystem;

// The file is not a usable store; thrown while opening to move it aside.
struct UnusableFile {
    NoticeCause cause;
};

// The file, its folder or its file system may not be written (SQLite cannot make the log's
// files beside a file it may only read, and says it cannot open it).
bool MeansNotWritable(const SqliteError& error) {
    return error.Code() == SQLITE_READONLY || error.Code() == SQLITE_CANTOPEN ||
           error.Code() == SQLITE_PERM;
}

// A file: URI opening `path` for reading as `access` says; every byte a URI could misread is
// escaped.
std::string ReadingUri(const fs::path& path, FileAccess access) {
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
            constexpr char Hex[] = "0123456789ABCDEF";
            uri += '%';
            uri += Hex[byte >> 4];
            uri += Hex[byte & 0xF];
        }
    }
    return uri + (access == FileAccess::Unchanging ? "?mode=ro&immutable=1" : "?mode=ro");
}

}  // namespace

StoreFile::StoreFile(StoreOptions options, std::deque<StoreNotice>& notices)
    : options_(std::move(options)), notices_(notices) {
    if (!options_.clockMs) {
        options_.clockMs = [] {
            using namespace std::chrono;
            return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
        };
    }
}

OpenedAs StoreFile::Open() {
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
        return OpenExisting(FileAccess::ReadWrite) ? OpenedAs::Existing : OpenedAs::Created;
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
        why = CauseOf(failure).code;
        if (why != NoticeCause::Locked) {
            why = NoticeCause::Damaged;  // a file that is there but cannot be read as a store
        }
    }
    Close();
    const fs::path movedTo = MoveAside(options_.path, Now());
    notices_.push_back({StoreNotice::Kind::MovedAside, movedTo.string(), why});
    OpenExisting();
    return OpenedAs::MovedAside;
}

// Opens and prepares the file; true if it held a store already. Throws UnusableFile, and
// SqliteError (SQLITE_READONLY among others) when it cannot be opened as `access` asks.
bool StoreFile::OpenExisting(FileAccess access) {
    if (access == FileAccess::ReadWrite) {
        db_ = Connection(Native(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        // SQLite opens a file it may not write for reading only, without an error.
        if (sqlite3_db_readonly(db_.Handle(), "main") == 1) {
            throw SqliteError(SQLITE_READONLY, "the file is read-only");
        }
    } else {
        db_ = Connection(ReadingUri(options_.path, access), SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
    }
    sqlite3_busy_timeout(db_.Handle(), options_.busyTimeoutMs);
    const FileKind kind = InspectFile(db_);
    if (kind == FileKind::Unusable || kind == FileKind::Newer) {
        throw UnusableFile{kind == FileKind::Newer ? NoticeCause::NewerVersion
                                                   : NoticeCause::Damaged};
    }
    if (kind == FileKind::Older && access == FileAccess::ReadWrite) {
        MigrateToCurrent(db_, options_.path, SchemaVersionOf(db_));
    } else if (kind == FileKind::Older) {
        // A store of an older version that may not be written is read through a copy
        // migrated in memory; the file stays as it is.
        db_ = MigratedCopy(db_);
    }
    if (access != FileAccess::ReadWrite) {
        // Nothing is set up in a file that is only read; one without tables lists nothing.
        if (kind != FileKind::Empty) {
            statements_ = std::make_unique<PreparedStatements>(db_);
            try {
                entryLogs_ = std::make_unique<EntryLogStatements>(db_);
            } catch (const SqliteError&) {
                // made by a program that kept no entry logs
            }
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
    MakeEntryLogTable(db_);
    statements_ = std::make_unique<PreparedStatements>(db_);
    entryLogs_ = std::make_unique<EntryLogStatements>(db_);
    return kind != FileKind::Empty;
}

// Opens the file for reading only. A file that was closed cleanly (no log beside it) is read
// as a file nothing changes while it is open, which leaves nothing beside it; one with a log,
// whose last changes may be in the log alone, is read with the log if SQLite can make the
// log's index beside it. False when it cannot be read as a store.
bool StoreFile::OpenForReading() {
    fs::path log = options_.path;
    log += "-wal";
    std::error_code error;
    const bool hasLog = fs::exists(log, error);
    std::vector<FileAccess> tries{FileAccess::Unchanging};
    if (hasLog) {
        tries.insert(tries.begin(), FileAccess::ReadOnly);
    }
    for (const FileAccess access : tries) {
        Close();
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
    Close();
    return false;
}

// Whether the file can be written now: a write transaction begins in a connection of its
// own (which also makes the log beside the file) and is rolled back at once.
bool StoreFile::WritableNow() const {
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

// Copies the log into the file and empties it, so that its space on the disk is free again.
void StoreFile::GiveBackLog() {
    if (sqlite3_wal_checkpoint_v2(db_.Handle(), "main", SQLITE_CHECKPOINT_TRUNCATE, nullptr,
                                  nullptr) == SQLITE_OK) {
        lastSyncMs_ = Now();
        unsynced_ = false;
    }
}

bool StoreFile::HasMoved() {
    int moved = 0;
    sqlite3_file_control(db_.Handle(), "main", SQLITE_FCNTL_HAS_MOVED, &moved);
    return moved != 0;
}

void StoreFile::SyncIfDue() {
    if (!unsynced_ || !db_.IsOpen() || Now() - lastSyncMs_ < SyncIntervalMs) {
        return;
    }
    // A passive checkpoint syncs the log before it copies what it can into the file; it
    // never waits for another instance.
    sqlite3_wal_checkpoint_v2(db_.Handle(), "main", SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
    lastSyncMs_ = Now();
    unsynced_ = false;
}

void StoreFile::MoveAsideDamaged() {
    // Closing would copy the log into the file; the log is moved aside beside it instead.
    sqlite3_db_config(db_.Handle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    Close();
    const fs::path movedTo = MoveAside(options_.path, Now());
    notices_.push_back({StoreNotice::Kind::MovedAside, movedTo.string(), NoticeCause::Damaged});
}

void StoreFile::Close() {
    entryLogs_.reset();
    statements_.reset();
    db_.Close();
}

void StoreFile::LimitPages() {
    if (options_.pageLimit) {
        db_.Execute(("PRAGMA max_page_count = " + std::to_string(*options_.pageLimit)).c_str());
    }
}

void StoreFile::CopyLogIntoFile() {
    sqlite3_wal_checkpoint_v2(db_.Handle(), "main", SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
}

}  // namespace reckora::store
