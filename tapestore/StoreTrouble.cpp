#include "StoreTrouble.h"

#include "Sqlite.h"

namespace reckora::store {

namespace {

// SQLite's own words are kept only where the code alone says too little.
Cause CauseOfSqlite(const SqliteError& error) {
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

}  // namespace

Cause CauseOf(const std::exception& error) {
    if (const auto* sqlite = dynamic_cast<const SqliteError*>(&error)) {
        return CauseOfSqlite(*sqlite);
    }
    if (dynamic_cast<const FolderNotMade*>(&error) != nullptr) {
        return {NoticeCause::FolderNotMade, error.what()};
    }
    return {NoticeCause::CannotWrite, error.what()};
}

}  // namespace reckora::store
