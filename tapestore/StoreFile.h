#pragma once
// The store file's life: opening it (making it, migrating an older one, moving an unusable one
// aside, reading one that cannot be written), its log and its syncs to the disk, and closing it.

#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <string>

#include "Sqlite.h"
#include "StoreStatements.h"
#include "TapeStore.h"

namespace reckora::store {

// How the store file is opened: to keep tapes, or to read them where it cannot be written.
enum class FileAccess {
    ReadWrite,
    ReadOnly,    // others may write the file meanwhile
    Unchanging,  // nothing writes the file while it is open (SQLite's immutable)
};

class StoreFile {
public:
    // Opens nothing yet; a file moved aside is told through `notices`.
    StoreFile(StoreOptions options, std::deque<StoreNotice>& notices);

    const std::filesystem::path& Path() const { return options_.path; }
    std::string Native() const { return options_.path.string(); }
    std::int64_t Now() const { return options_.clockMs(); }

    // Opens the file, moving an unusable one aside. Throws when no store can be opened.
    OpenedAs Open();
    // The open file turned out damaged: it is closed and moved aside whole, with its log.
    void MoveAsideDamaged();
    // Opens a fresh store where the damaged one was. Throws when it cannot be opened.
    void OpenFresh() { OpenExisting(); }
    void Close();
    bool IsOpen() const { return db_.IsOpen(); }
    // The statements of the open file; none when it is closed or is an empty file only read.
    PreparedStatements* Statements() { return statements_.get(); }
    // The entry logs' statements; none when the file is closed or has no such table.
    EntryLogStatements* EntryLogs() { return entryLogs_.get(); }
    sqlite3* Handle() const { return db_.Handle(); }

    // Whether the file can be written now, tried in a connection of its own.
    bool WritableNow() const;
    // Whether the open file was moved or deleted since it was opened.
    bool HasMoved();
    // Applies the test's page limit, if any, before a write.
    void LimitPages();

    // Runs `body` in one write transaction, rolled back when it throws.
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

    // Commands were committed since the last sync.
    void MarkUnsynced() { unsynced_ = true; }
    // Syncs the log to the disk if it holds commands not synced and the last sync is
    // SyncIntervalMs old.
    void SyncIfDue();
    // Copies what the log holds into the file, without waiting for another instance.
    void CopyLogIntoFile();
    // Copies the log into the file and empties it, so that its space on the disk is free again.
    void GiveBackLog();

private:
    // Opens and prepares the file; true if it held a store already.
    bool OpenExisting(FileAccess access = FileAccess::ReadWrite);
    // Opens the file for reading only; false when it cannot be read as a store.
    bool OpenForReading();

    StoreOptions options_;
    std::deque<StoreNotice>& notices_;
    Connection db_;
    std::unique_ptr<PreparedStatements> statements_;
    std::unique_ptr<EntryLogStatements> entryLogs_;
    bool unsynced_ = false;
    std::int64_t lastSyncMs_ = 0;
};

}  // namespace reckora::store
