#pragma once
// What the statistics and team pages would show of a season so far: each
// team's latest results and its league row.
#include <string>
#include <unordered_map>

#include "backtest/season_file.h"
#include "stats/match_stats.h"

namespace kavero {

// A score as the statistics page writes it, "h:a (h1:a1)"; without a
// half-time score the bracket stays empty, so the full time is still read as
// such ("h:a" alone would read as 0:0).
std::string PageScore(const PastMatch& match);

class SeasonTables {
 public:
  // Adds a played match to both teams' results and rows.
  void Add(const PastMatch& match);

  int Games(const std::string& team) const;
  // The team's last four results, latest first, as the statistics page lists them.
  const HistoryTable& Recent(const std::string& team) const;
  // Name, games and goals "for-against"; the other cells stay empty.
  LeagueRow Row(const std::string& team) const;

 private:
  struct Team {
    HistoryTable recent;
    int games = 0, scored = 0, conceded = 0;
  };
  void Record(const std::string& team, const HistoryRow& row, int scored, int conceded);

  std::unordered_map<std::string, Team> teams_;
  const Team none_{};
};

}  // namespace kavero
