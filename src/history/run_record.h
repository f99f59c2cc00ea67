#pragma once
// One run as the history keeps it.
#include <cstdint>
#include <string>
#include <vector>

#include "base/dates.h"
#include "base/match_table.h"

namespace kavero::history {

struct RunClock {
  std::int64_t unix_seconds = 0;  // when the run started
  Date local_date;                // ... on the user's calendar
  int local_minutes = 0;          // ... and clock, minutes after midnight
};

// The names the line wrote, where the row shows others (an English run).
struct LineNames {
  std::string home, away;
};

struct RunRecord {
  RunClock clock;
  std::string line_address;
  std::string date_pattern = "dd.MM.yyyy";  // the short date format the rows' dates are in
  const MatchTable* rows = nullptr;
  // Empty, or one entry per row.
  std::vector<LineNames> line_names;
};

// The marks a row shows, as bits.
enum Mark : int {
  kStep1Green = 1,
  kStep1Red = 2,
  kStep2Green = 4,
  kStep2Red = 8,
  kValueUnder = 16,  // the under cell bold on blue
  kValueOver = 32,
};
inline constexpr int kStepMarks = kStep1Green | kStep1Red | kStep2Green | kStep2Red;
inline constexpr int kValueMarks = kValueUnder | kValueOver;

int RowMarks(const MatchRow& row);

}  // namespace kavero::history
