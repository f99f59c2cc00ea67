#include "history/sqlite_db.h"

#include <sqlite3.h>

namespace kavero::history {

Statement::Statement(sqlite3* db, std::string_view sql) {
  prepared_ =
      sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &statement_, nullptr);
}

Statement::~Statement() {
  sqlite3_finalize(statement_);
}

Statement& Statement::Bind(int index, std::string_view bytes) {
  // A null pointer would bind NULL; an empty text stays an empty blob.
  sqlite3_bind_blob(statement_, index, bytes.empty() ? "" : bytes.data(),
                    static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
  return *this;
}

Statement& Statement::BindText(int index, std::string_view text) {
  sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()),
                    SQLITE_TRANSIENT);
  return *this;
}

Statement& Statement::Bind(int index, std::int64_t value) {
  sqlite3_bind_int64(statement_, index, value);
  return *this;
}

Statement& Statement::Bind(int index, std::optional<double> value) {
  if (value) {
    sqlite3_bind_double(statement_, index, *value);
  } else {
    sqlite3_bind_null(statement_, index);
  }
  return *this;
}

int Statement::Step() {
  return prepared_ == SQLITE_OK ? sqlite3_step(statement_) : prepared_;
}

void Statement::Reset() {
  sqlite3_reset(statement_);
  sqlite3_clear_bindings(statement_);
}

std::int64_t Statement::Int(int column) const {
  return sqlite3_column_int64(statement_, column);
}

std::optional<double> Statement::Real(int column) const {
  if (sqlite3_column_type(statement_, column) == SQLITE_NULL) return std::nullopt;
  return sqlite3_column_double(statement_, column);
}

std::string Statement::Bytes(int column) const {
  const auto* data = static_cast<const char*>(sqlite3_column_blob(statement_, column));
  const int size = sqlite3_column_bytes(statement_, column);
  return data == nullptr ? std::string() : std::string(data, static_cast<std::size_t>(size));
}

Connection::~Connection() {
  Close();
}

int Connection::Open(const std::string& path) {
  Close();
  const int code =
      sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  if (code != SQLITE_OK) Close();
  return code;
}

void Connection::Close() {
  sqlite3_close_v2(db_);
  db_ = nullptr;
}

int Connection::Execute(std::string_view sql) {
  const std::string text(sql);
  return sqlite3_exec(db_, text.c_str(), nullptr, nullptr, nullptr);
}

std::optional<std::int64_t> Connection::QueryInt(std::string_view sql) {
  Statement query(db_, sql);
  if (query.Step() != SQLITE_ROW) return std::nullopt;
  return query.Int(0);
}

std::string Connection::LastMessage() const {
  return db_ == nullptr ? std::string("no connection") : std::string(sqlite3_errmsg(db_));
}

}  // namespace kavero::history
