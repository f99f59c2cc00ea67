#include <sqlite3.h>

#include "history/day_text.h"
#include "history/history_store.h"

namespace kavero::history {
namespace {

constexpr std::string_view kSameTeams =
    "SELECT m.id FROM matches m WHERE m.day = ?1 "
    "AND m.home IN (SELECT team FROM team_names WHERE name = ?2) "
    "AND m.away IN (SELECT team FROM team_names WHERE name = ?3)";

}  // namespace

std::vector<std::int64_t> HistoryStore::MatchesOn(std::string_view day, std::string_view home,
                                                  std::string_view away) {
  std::vector<std::int64_t> found;
  Statement query(db_.handle(), kSameTeams);
  query.BindText(1, day).Bind(2, home).Bind(3, away);
  while (query.Step() == SQLITE_ROW) found.push_back(query.Int(0));
  return found;
}

std::optional<std::int64_t> HistoryStore::FindMatch(const MatchRow& row,
                                                    std::string_view date_pattern) {
  if (!db_.IsOpen()) return std::nullopt;
  Statement query(db_.handle(), std::string(kSameTeams) + " AND m.link = ?4 LIMIT 2");
  query.BindText(1, DayKey(row.date, date_pattern)).Bind(2, row.home).Bind(3, row.away);
  query.Bind(4, row.url);
  if (query.Step() != SQLITE_ROW) return std::nullopt;
  const std::int64_t match = query.Int(0);
  if (query.Step() != SQLITE_DONE) return std::nullopt;
  return match;
}

std::optional<LineMovement> HistoryStore::Movement(const MatchRow& row,
                                                   std::string_view date_pattern,
                                                   const Date& today) {
  try {
    const auto match = FindMatch(row, date_pattern);
    if (!match) return std::nullopt;
    // A sighting spans the runs from its first to its last; the first of
    // today's runs within it gives the time.
    Statement first(db_.handle(),
                    "SELECT (SELECT MIN(r.local_stamp) FROM runs r WHERE r.id BETWEEN s.first_run "
                    "AND s.last_run AND r.local_stamp >= ?2) AS seen, total, under, over "
                    "FROM sightings s WHERE s.match = ?1 AND seen IS NOT NULL "
                    "ORDER BY s.id LIMIT 1");
    first.Bind(1, *match).BindText(2, DayKey(today));
    Statement now(db_.handle(),
                  "SELECT r.local_stamp, total, under, over FROM sightings s JOIN runs r "
                  "ON r.id = s.last_run WHERE s.match = ?1 ORDER BY s.id DESC LIMIT 1");
    now.Bind(1, *match);
    if (first.Step() != SQLITE_ROW || now.Step() != SQLITE_ROW) return std::nullopt;
    const auto sighting = [](const Statement& seen) {
      const std::string stamp = seen.Bytes(0);
      return LineSighting{stamp.size() > 11 ? stamp.substr(11) : stamp, seen.Bytes(1),
                          seen.Bytes(2), seen.Bytes(3)};
    };
    return LineMovement{sighting(first), sighting(now)};
  } catch (...) {
    return std::nullopt;
  }
}

MatchResult HistoryStore::ResultOf(const MatchRow& row, std::string_view date_pattern) {
  MatchResult result;
  try {
    const auto match = FindMatch(row, date_pattern);
    if (!match) return result;
    Statement scores(db_.handle(),
                     "SELECT home_goals, away_goals, source FROM results WHERE match = ?1 "
                     "ORDER BY rowid");
    scores.Bind(1, *match);
    while (scores.Step() == SQLITE_ROW) {
      result.scores.push_back(
          {static_cast<int>(scores.Int(0)), static_cast<int>(scores.Int(1)), scores.Bytes(2)});
    }
  } catch (...) {
    result.scores.clear();
  }
  if (!result.scores.empty()) {
    result.state = result.scores.size() == 1 ? Settlement::kSettled : Settlement::kConflict;
  }
  return result;
}

}  // namespace kavero::history
