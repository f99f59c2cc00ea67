#pragma once
// What the history tells its caller: plain values, never an exception.
#include <string>

namespace kavero::history {

// Why history was not saved (or read); kNone when it was.
enum class Problem { kNone, kCannotOpen, kReadOnly, kDiskFull, kBusy, kFailed };

struct Status {
  Problem problem = Problem::kNone;
  std::string detail;  // SQLite's own words, plain ASCII
  bool ok() const { return problem == Problem::kNone; }
};

// A file that could not be used and was moved aside for a new one.
enum class Restart { kNone, kCorrupt, kNewerVersion };

struct OpenStatus {
  Status status;
  Restart restart = Restart::kNone;
  std::string moved_to;  // the old file's new path, when it was moved
};

}  // namespace kavero::history
