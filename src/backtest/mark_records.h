#pragma once
// What each of the window's marks has been worth on past seasons, as a small
// plain file: `kavero-backtest --mark-records` writes it, the window's header
// hints quote it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "backtest/backtest_report.h"
#include "backtest/replay.h"

namespace kavero {

struct MarkFigures {
  Mark mark = Mark::kBlind;
  int matches = 0, bets = 0;
  double won = 0;       // share of the bets whose marked side won
  double market = 0;    // the market's fair chance of that side, on average
  double returned = 0;  // profit per unit staked
};

struct MarkRecords {
  int first_year = 0, last_year = 0;  // of the matches' dates
  int leagues = 0;
  int matches = 0;                  // priced evaluated matches
  std::vector<MarkFigures> marks;   // the five marks, in kAllMarks order, without kBlind
  double value_highest_margin = 0;  // the highest bookmaker's margin where the value mark fired
};

// A league is a file's division ("E0" of "0910-E0.csv") or a "Country League"
// of the extra leagues' file.
MarkRecords CollectMarkRecords(const Replay& replay, const BacktestReport& report);

std::string MarkRecordsText(const MarkRecords& records);
// Nothing when the text lacks a figure or a line cannot be read.
std::optional<MarkRecords> ReadMarkRecords(std::string_view text);

}  // namespace kavero
