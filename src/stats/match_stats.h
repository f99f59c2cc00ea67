#pragma once
// What one match's statistics page and team pages yield: the detail grids.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/page_report.h"

namespace kavero {

// One past match of a history grid: "Date", "Home - Away", "Score".
struct HistoryRow {
  std::string date, match, score;
  friend bool operator==(const HistoryRow&, const HistoryRow&) = default;
};
using HistoryTable = std::vector<HistoryRow>;

// A team's league table row: position, name, played, won, drawn, lost, goals, points.
struct LeagueRow {
  std::array<std::string, 8> cells;
};

// A team's goal totals: numbers[0..6] are the columns "И", "0,5", "1,5", "2,5",
// "0,5 %", "1,5 %", "2,5 %"; green[0..2] mark the three percentage columns.
struct TotalsRow {
  std::string team;
  std::array<int, 7> numbers{};
  std::array<bool, 3> green{};
};

struct MatchStats {
  HistoryTable home_recent, away_recent, meetings;  // the two teams' recent matches, their meetings
  std::array<LeagueRow, 2> league_rows;             // home, away
  std::array<TotalsRow, 3> totals;                  // home, away, both together
  // The statistics page was asked for and could not be read: the history
  // grids, and the indicators computed from them, stand for nothing.
  std::optional<PageProblem> statistics_failure;
  // Likewise for the home and the away team's page: their league rows and
  // totals, and the combined totals, stand for nothing.
  std::array<std::optional<PageProblem>, 2> team_failures;
  // The home and the away team's page as ReadTeamPage gave them, for whoever
  // learns more from them (the history settles scores with them).
  std::array<std::string, 2> team_records;
  // Every page of the match that failed or was not understood, in reading order.
  PageReport problems;
};

}  // namespace kavero
