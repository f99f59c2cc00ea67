#pragma once
// A thin hold on SQLite's C interface: a connection and its statements, with
// result codes instead of exceptions so that the history never stops a run.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace kavero::history {

class Statement {
 public:
  Statement(sqlite3* db, std::string_view sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  // The code of preparing; SQLITE_OK when the statement can run.
  int prepared() const { return prepared_; }
  // Page texts are Windows-1251 bytes: bound as blobs so that SQLite never
  // takes them for UTF-8.
  Statement& Bind(int index, std::string_view bytes);
  // Days and run stamps are ASCII text, compared and ordered as such.
  Statement& BindText(int index, std::string_view text);
  Statement& Bind(int index, std::int64_t value);
  Statement& Bind(int index, std::optional<double> value);
  // SQLITE_ROW, SQLITE_DONE or an error code.
  int Step();
  void Reset();

  std::int64_t Int(int column) const;
  std::optional<double> Real(int column) const;
  std::string Bytes(int column) const;

 private:
  sqlite3_stmt* statement_ = nullptr;
  int prepared_ = 0;
};

class Connection {
 public:
  Connection() = default;
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // Opens (and creates) the file; the code of sqlite3_open_v2.
  int Open(const std::string& path);
  void Close();
  bool IsOpen() const { return db_ != nullptr; }
  sqlite3* handle() const { return db_; }
  // Runs statements without results; SQLITE_OK or the first error.
  int Execute(std::string_view sql);
  // The first column of the first row of a query.
  std::optional<std::int64_t> QueryInt(std::string_view sql);
  std::string LastMessage() const;

 private:
  sqlite3* db_ = nullptr;
};

}  // namespace kavero::history
