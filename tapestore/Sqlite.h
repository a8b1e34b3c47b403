#pragma once
// Thin owners of SQLite connections and prepared statements, so that every handle is closed or
// finalised on every path and every failed call becomes a SqliteError with SQLite's own text.

#include <sqlite3.h>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace reckora::store {

// A failed SQLite call: the primary result code and SQLite's message.
class SqliteError : public std::runtime_error {
public:
    SqliteError(int code, const std::string& what) : std::runtime_error(what), code_(code) {}
    int Code() const { return code_; }  // primary code, e.g. SQLITE_FULL
    // Which kind of fault it is: the file is not a usable store, or writing is impossible now.
    bool MeansUnusableFile() const;

private:
    int code_;
};

class Connection {
public:
    Connection() = default;
    // Opens (flags as sqlite3_open_v2) for use on one thread at a time; throws SqliteError.
    Connection(const std::string& path, int flags);
    Connection(Connection&& other) noexcept : db_(other.db_) { other.db_ = nullptr; }
    Connection& operator=(Connection&& other) noexcept;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    ~Connection() { Close(); }

    void Close() noexcept;
    bool IsOpen() const { return db_ != nullptr; }
    sqlite3* Handle() const { return db_; }
    // Runs statements without results; throws SqliteError.
    void Execute(const char* sql);
    // Throws SqliteError for `code` unless it is SQLITE_OK, SQLITE_ROW or SQLITE_DONE.
    void Check(int code) const;

private:
    sqlite3* db_ = nullptr;
};

class Statement {
public:
    Statement() = default;
    Statement(Connection& connection, const char* sql);
    Statement(Statement&& other) noexcept : connection_(other.connection_), stmt_(other.stmt_) {
        other.stmt_ = nullptr;
    }
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement() { sqlite3_finalize(stmt_); }

    Statement& Bind(int index, std::int64_t value);
    Statement& Bind(int index, double value);
    Statement& Bind(int index, std::string_view text);
    Statement& Bind(int index, const std::optional<std::string>& text);
    Statement& Bind(int index, std::optional<std::int64_t> value);
    Statement& Bind(int index, std::optional<double> value);
    Statement& BindNull(int index);
    // Steps once: true while a row is ready, false when done. Throws SqliteError.
    bool Step();
    // Steps to the end and resets, for statements without results.
    void Run();
    void Reset() noexcept;

    int Type(int column) const { return sqlite3_column_type(stmt_, column); }
    std::int64_t Int(int column) const { return sqlite3_column_int64(stmt_, column); }
    double Real(int column) const { return sqlite3_column_double(stmt_, column); }
    std::string_view Text(int column) const;

private:
    Connection* connection_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
};

// Resets a statement when a scope ends, so a reused statement never keeps a read open.
class ResetOnExit {
public:
    explicit ResetOnExit(Statement& statement) : statement_(statement) {}
    ~ResetOnExit() { statement_.Reset(); }
    ResetOnExit(const ResetOnExit&) = delete;
    ResetOnExit& operator=(const ResetOnExit&) = delete;

private:
    Statement& statement_;
};

}  // namespace reckora::store
