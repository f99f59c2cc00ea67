#pragma once
// One football-data.co.uk CSV file: a division's season, or the extra leagues'
// file of many seasons. Columns are found by their header names.
#include <string>
#include <string_view>
#include <vector>

#include "backtest/input_notes.h"
#include "backtest/price_choice.h"
#include "base/dates.h"

namespace kavero {

struct PastMatch {
  // "Country League" and "Season" of the extra leagues' file; empty in a season file.
  std::string league, season;
  Date date;
  int kickoff = -1;        // minutes after midnight; -1 without a time
  std::string home, away;  // UTF-8
  int home_goals = 0, away_goals = 0;
  int home_half = -1, away_half = -1;  // -1 where the file gives no half-time score
  std::string price_over,
      price_under;  // the chosen prices' texts, both empty when either is missing
  int line = 0;
};

struct SeasonFile {
  std::string name;
  std::vector<PastMatch> matches;  // in file order
  std::vector<InputNote> notes;
};

// Reads `text` (a byte-order mark, CRLF, rows of commas and extra columns are
// normal). A row that cannot be a match is left out and noted; nothing throws.
SeasonFile ReadSeasonFile(std::string name, std::string_view text, const PriceChoice& prices);

}  // namespace kavero
