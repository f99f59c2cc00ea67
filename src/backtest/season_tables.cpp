#include "backtest/season_tables.h"

namespace kavero {
namespace {

constexpr std::size_t kRecentShown = 4;

}  // namespace

std::string PageScore(const PastMatch& match) {
  std::string text = std::to_string(match.home_goals) + ":" + std::to_string(match.away_goals);
  text += " (";
  if (match.home_half >= 0) {
    text += std::to_string(match.home_half) + ":" + std::to_string(match.away_half);
  }
  return text + ")";
}

void SeasonTables::Add(const PastMatch& match) {
  const HistoryRow row{FormatDate(match.date, "dd.MM.yyyy"), match.home + " - " + match.away,
                       PageScore(match)};
  Record(match.home, row, match.home_goals, match.away_goals);
  Record(match.away, row, match.away_goals, match.home_goals);
}

void SeasonTables::Record(const std::string& team, const HistoryRow& row, int scored,
                          int conceded) {
  Team& entry = teams_[team];
  entry.recent.insert(entry.recent.begin(), row);
  if (entry.recent.size() > kRecentShown) entry.recent.pop_back();
  ++entry.games;
  entry.scored += scored;
  entry.conceded += conceded;
}

int SeasonTables::Games(const std::string& team) const {
  const auto found = teams_.find(team);
  return found == teams_.end() ? 0 : found->second.games;
}

const HistoryTable& SeasonTables::Recent(const std::string& team) const {
  const auto found = teams_.find(team);
  return found == teams_.end() ? none_.recent : found->second.recent;
}

LeagueRow SeasonTables::Row(const std::string& team) const {
  const auto found = teams_.find(team);
  const Team& entry = found == teams_.end() ? none_ : found->second;
  LeagueRow row;
  row.cells[1] = team;
  row.cells[2] = std::to_string(entry.games);
  row.cells[6] = std::to_string(entry.scored) + "-" + std::to_string(entry.conceded);
  return row;
}

}  // namespace kavero
