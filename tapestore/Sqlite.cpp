#include "Sqlite.h"

namespace reckora::store {

bool SqliteError::MeansUnusableFile() const {
    return code_ == SQLITE_NOTADB || code_ == SQLITE_CORRUPT || code_ == SQLITE_FORMAT ||
           code_ == SQLITE_SCHEMA;
}

Connection::Connection(const std::string& path, int flags) {
    // No connection is shared between threads, so SQLite need not lock it on every call: the
    // locks were a fifth of reading a long sheet back, one pair per column of every row.
    const int code = sqlite3_open_v2(path.c_str(), &db_, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK) {
        const std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
        Close();
        throw SqliteError(code & 0xFF, message);
    }
    sqlite3_extended_result_codes(db_, 0);
}

Connection& Connection::operator=(Connection&& other) noexcept {
    if (this != &other) {
        Close();
        db_ = other.db_;
        other.db_ = nullptr;
    }
    return *this;
}

void Connection::Close() noexcept {
    if (db_) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

void Connection::Execute(const char* sql) {
    Check(sqlite3_exec(db_, sql, nullptr, nullptr, nullptr));
}

void Connection::Check(int code) const {
    if (code != SQLITE_OK && code != SQLITE_ROW && code != SQLITE_DONE) {
        throw SqliteError(code & 0xFF, db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(code));
    }
}

Statement::Statement(Connection& connection, const char* sql) : connection_(&connection) {
    connection.Check(sqlite3_prepare_v3(connection.Handle(), sql, -1, SQLITE_PREPARE_PERSISTENT,
                                        &stmt_, nullptr));
}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(stmt_);
        connection_ = other.connection_;
        stmt_ = other.stmt_;
        other.stmt_ = nullptr;
    }
    return *this;
}

Statement& Statement::Bind(int index, std::int64_t value) {
    connection_->Check(sqlite3_bind_int64(stmt_, index, value));
    return *this;
}

Statement& Statement::Bind(int index, double value) {
    connection_->Check(sqlite3_bind_double(stmt_, index, value));
    return *this;
}

Statement& Statement::Bind(int index, std::string_view text) {
    connection_->Check(
        sqlite3_bind_text64(stmt_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8));
    return *this;
}

Statement& Statement::Bind(int index, const std::optional<std::string>& text) {
    return text ? Bind(index, std::string_view(*text)) : BindNull(index);
}

Statement& Statement::Bind(int index, std::optional<std::int64_t> value) {
    return value ? Bind(index, *value) : BindNull(index);
}

Statement& Statement::Bind(int index, std::optional<double> value) {
    return value ? Bind(index, *value) : BindNull(index);
}

Statement& Statement::BindNull(int index) {
    connection_->Check(sqlite3_bind_null(stmt_, index));
    return *this;
}

bool Statement::Step() {
    const int code = sqlite3_step(stmt_);
    if (code == SQLITE_ROW) {
        return true;
    }
    if (code == SQLITE_DONE) {
        return false;
    }
    const SqliteError error(code & 0xFF, sqlite3_errmsg(connection_->Handle()));
    Reset();
    throw error;
}

void Statement::Run() {
    ResetOnExit reset(*this);
    while (Step()) {
    }
}

void Statement::Reset() noexcept {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

std::string_view Statement::Text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    // SQLite gives the length as a non-negative int.
    return text ? std::string_view(text,
                                   static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)))
                : std::string_view{};
}

}  // namespace reckora::store
