#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

#include <sqlite3.h>

#include "history/history_store.h"
#include "history/schema.h"

namespace kavero::history {
namespace {

constexpr int kBusyMilliseconds = 5000;

// "history-corrupt-20240501-100203.sqlite" beside the file.
std::filesystem::path DatedName(const std::filesystem::path& file, Restart why) {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  const std::string kind = why == Restart::kCorrupt ? "corrupt" : "newer";
  auto candidate = file.parent_path() / ("history-" + kind + "-" + stamp + ".sqlite");
  for (int n = 2; std::filesystem::exists(candidate); ++n) {
    candidate = file.parent_path() /
                ("history-" + kind + "-" + stamp + "-" + std::to_string(n) + ".sqlite");
  }
  return candidate;
}

// Moves the file and its journal files aside; the new path, or "" when it could not.
std::string MoveAside(const std::filesystem::path& file, Restart why) {
  const auto target = DatedName(file, why);
  std::error_code error;
  std::filesystem::rename(file, target, error);
  if (error) return {};
  for (const char* suffix : {"-wal", "-shm"}) {
    std::filesystem::path journal = file;
    journal += suffix;
    std::filesystem::path moved = target;
    moved += suffix;
    std::filesystem::rename(journal, moved, error);
  }
  return target.string();
}

// Why the file cannot serve as it stands; kNone when it can.
Restart Unusable(Connection& db) {
  const auto version = SchemaVersion(db);
  if (!version) return Restart::kCorrupt;
  if (*version > kSchemaVersion) return Restart::kNewerVersion;
  Statement check(db.handle(), "PRAGMA quick_check");
  if (check.Step() != SQLITE_ROW || check.Bytes(0) != "ok") return Restart::kCorrupt;
  return Restart::kNone;
}

int Prepare(Connection& db) {
  sqlite3_busy_timeout(db.handle(), kBusyMilliseconds);
  // The journal mode is the file's: a read-only file keeps its own, and the
  // first write says so.
  db.Execute("PRAGMA journal_mode=WAL");
  db.Execute("PRAGMA synchronous=NORMAL");
  return MigrateTo(db, kSchemaVersion);
}

}  // namespace

Status HistoryStore::Failure(int code) {
  Status status;
  switch (code & 0xFF) {
    case SQLITE_FULL:
      status.problem = Problem::kDiskFull;
      break;
    case SQLITE_READONLY:
      status.problem = Problem::kReadOnly;
      break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      status.problem = Problem::kBusy;
      break;
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
      status.problem = Problem::kCannotOpen;
      break;
    default:
      status.problem = Problem::kFailed;
  }
  status.detail = sqlite3_errstr(code);
  if (db_.IsOpen() && sqlite3_errcode(db_.handle()) == code) status.detail = db_.LastMessage();
  return status;
}

OpenStatus HistoryStore::Open(const std::string& folder) {
  OpenStatus result;
  try {
    db_.Close();
    path_ = (std::filesystem::path(folder) / kHistoryFileName).string();
    int code = db_.Open(path_);
    if (code == SQLITE_OK) {
      result.restart = Unusable(db_);
      if (result.restart != Restart::kNone) {
        db_.Close();
        result.moved_to = MoveAside(path_, result.restart);
        if (result.moved_to.empty()) {
          result.status = {Problem::kCannotOpen, "the unusable file could not be moved aside"};
          return result;
        }
        code = db_.Open(path_);
      }
    }
    if (code == SQLITE_OK) code = Prepare(db_);
    if (code != SQLITE_OK) {
      result.status = Failure(code);
      db_.Close();
    }
  } catch (...) {
    db_.Close();
    result.status = {Problem::kFailed, "out of memory"};
  }
  return result;
}

}  // namespace kavero::history
