#include <sqlite3.h>

#include <set>

#include "base/field_line.h"
#include "base/scores.h"
#include "base/text_cuts.h"
#include "history/day_text.h"
#include "history/history_store.h"

namespace kavero::history {
namespace {

constexpr std::string_view kBetweenTeams = " - ";

std::pair<std::string_view, std::string_view> Sides(std::string_view match) {
  const auto dash = match.find(kBetweenTeams);
  if (dash == std::string_view::npos) return {};
  return {Trim(match.substr(0, dash)), Trim(match.substr(dash + kBetweenTeams.size()))};
}

// The one name that every row of a team's recent results shows: the page's
// spelling of that team. Nothing when the rows leave it open.
std::optional<std::string> CommonName(const HistoryTable& recent) {
  if (recent.size() < 2) return std::nullopt;
  std::set<std::string_view> common;
  for (std::size_t i = 0; i < recent.size(); ++i) {
    const auto [home, away] = Sides(recent[i].match);
    std::set<std::string_view> names{home, away};
    if (i > 0) {
      std::erase_if(names, [&](std::string_view name) { return !common.contains(name); });
    }
    common = std::move(names);
  }
  if (common.size() != 1 || common.begin()->empty()) return std::nullopt;
  return std::string(*common.begin());
}

// The page's final score "h:a", a half-time part "(h:a)" after it; nothing
// for a match not played ("-:-") or any other text.
std::optional<std::pair<int, int>> FinalScore(std::string_view score) {
  const auto full_time = score.substr(0, score.find('('));
  const auto colon = full_time.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const int home = DigitsToInt(Trim(full_time.substr(0, colon)));
  const int away = DigitsToInt(Trim(full_time.substr(colon + 1)));
  if (home < 0 || away < 0) return std::nullopt;
  return std::pair{home, away};
}

}  // namespace

SettleCount HistoryStore::Settle(const HistoryTable& played, std::string_view source,
                                 std::int64_t now) {
  SettleCount count;
  int code = db_.Execute("BEGIN IMMEDIATE");
  Statement record(db_.handle(),
                   "INSERT OR IGNORE INTO results(match, home_goals, away_goals, source, "
                   "recorded_at) VALUES(?1, ?2, ?3, ?4, ?5)");
  for (std::size_t i = 0; i < played.size() && code == SQLITE_OK; ++i) {
    const auto date = ParseDayMonthYear(Trim(played[i].date));
    const auto [home, away] = Sides(played[i].match);
    const auto score = FinalScore(played[i].score);
    if (!date || !score || home.empty() || away.empty()) continue;
    // Only the exact day and both teams settle a match.
    for (const std::int64_t match : MatchesOn(DayKey(*date), home, away)) {
      record.Bind(1, match)
          .Bind(2, std::int64_t{score->first})
          .Bind(3, std::int64_t{score->second});
      record.Bind(4, source).Bind(5, now);
      const int step = record.Step();
      record.Reset();
      if (step != SQLITE_DONE) {
        code = step;
        break;
      }
      count.recorded += sqlite3_changes(db_.handle());
    }
  }
  if (code == SQLITE_OK) code = db_.Execute("COMMIT");
  if (code != SQLITE_OK) {
    count.status = Failure(code);
    count.recorded = 0;
    db_.Execute("ROLLBACK");
  }
  return count;
}

SettleCount HistoryStore::SettleFromStatistics(const MatchRow& row, const MatchStats& stats,
                                               std::string_view address, std::int64_t now) {
  if (!db_.IsOpen()) return {{Problem::kCannotOpen, "the history file is not open"}, 0};
  try {
    const std::pair<const std::string*, const HistoryTable*> sides[] = {
        {&row.home, &stats.home_recent}, {&row.away, &stats.away_recent}};
    for (const auto& [team_name, recent] : sides) {
      const auto spelling = CommonName(*recent);
      if (!spelling) continue;
      // Only a name that stands for one team passes its spelling on.
      Statement learn(db_.handle(),
                      "INSERT OR IGNORE INTO team_names(name, team) SELECT ?2, team FROM "
                      "team_names WHERE name = ?1 AND (SELECT COUNT(*) FROM team_names WHERE "
                      "name = ?1) = 1");
      learn.Bind(1, *team_name).Bind(2, *spelling);
      learn.Step();
    }
    HistoryTable played = stats.home_recent;
    played.insert(played.end(), stats.away_recent.begin(), stats.away_recent.end());
    played.insert(played.end(), stats.meetings.begin(), stats.meetings.end());
    return Settle(played, "statistics " + std::string(address), now);
  } catch (...) {
    db_.Execute("ROLLBACK");
    return {{Problem::kFailed, "out of memory"}, 0};
  }
}

SettleCount HistoryStore::SettleFromTeamPage(std::string_view team, std::string_view records,
                                             std::string_view address, std::int64_t now) {
  if (!db_.IsOpen()) return {{Problem::kCannotOpen, "the history file is not open"}, 0};
  try {
    // A record names the home side only: it settles a match the page's team
    // played away, whose two teams it then gives exactly.
    HistoryTable played;
    const auto lines = SplitLines(records);
    for (std::size_t i = 1; i < lines.size(); ++i) {
      played.push_back({std::string(GetField(lines[i], 1)),
                        std::string(Trim(GetField(lines[i], 2))) + std::string(kBetweenTeams) +
                            std::string(team),
                        std::string(GetField(lines[i], 4))});
    }
    return Settle(played, "team " + std::string(address), now);
  } catch (...) {
    db_.Execute("ROLLBACK");
    return {{Problem::kFailed, "out of memory"}, 0};
  }
}

}  // namespace kavero::history
