#pragma once
// The history of runs in "history.sqlite": every run's line and marks, the
// final scores read from pages, and what the marks were worth. Every call
// answers with a plain status; nothing throws.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/match_table.h"
#include "history/history_status.h"
#include "history/line_movement.h"
#include "history/marked_bet.h"
#include "history/run_record.h"
#include "history/sqlite_db.h"
#include "stats/match_stats.h"

namespace kavero::history {

inline constexpr std::string_view kHistoryFileName = "history.sqlite";

enum class Settlement { kOpen, kSettled, kConflict };

struct RecordedScore {
  int home_goals = 0, away_goals = 0;
  std::string source;  // "statistics " or "team " followed by the page's address
};

struct MatchResult {
  Settlement state = Settlement::kOpen;
  std::vector<RecordedScore> scores;  // one per distinct score, first recorded first
};

struct SettleCount {
  Status status;
  int recorded = 0;  // scores newly recorded (a conflicting one included)
};

class HistoryStore {
 public:
  // Opens or creates folder/history.sqlite. A damaged file, or one of a newer
  // version, is moved aside under a dated name and a new one started; a
  // folder that takes no file leaves the store closed, every later call
  // answering kCannotOpen.
  OpenStatus Open(const std::string& folder);
  bool IsOpen() const { return db_.IsOpen(); }

  // The run and every row in one transaction: all of it or nothing.
  Status SaveRun(const RunRecord& run);

  // The row's match as first seen on `today` against the latest run; nothing
  // for a match not stored (or not told apart from another).
  std::optional<LineMovement> Movement(const MatchRow& row, std::string_view date_pattern,
                                       const Date& today);

  // Scores of stored matches that a statistics page's three history tables
  // list; first learns the page's spellings of the row's two teams.
  SettleCount SettleFromStatistics(const MatchRow& row, const MatchStats& stats,
                                   std::string_view address, std::int64_t now);
  // Scores of stored matches that a team page lists, from the records
  // ReadTeamPage gives (field 1 the date, field 2 the home side, field 4 the score).
  SettleCount SettleFromTeamPage(std::string_view team, std::string_view records,
                                 std::string_view address, std::int64_t now);
  MatchResult ResultOf(const MatchRow& row, std::string_view date_pattern);

  // The marked bets of settled matches played in the last `last_days` days up
  // to `today` (nothing: all of them).
  std::vector<MarkedBet> MarkedBets(std::optional<int> last_days, const Date& today);

 private:
  // The row's match; nothing when none is stored or two are and cannot be told apart.
  std::optional<std::int64_t> FindMatch(const MatchRow& row, std::string_view date_pattern);
  // Every stored match of the day between teams that bear these names.
  std::vector<std::int64_t> MatchesOn(std::string_view day, std::string_view home,
                                      std::string_view away);
  // Scores a page lists, each as its date, "Home - Away" and score texts.
  SettleCount Settle(const HistoryTable& played, std::string_view source, std::int64_t now);
  Status Failure(int code);

  Connection db_;
  std::string path_;
};

}  // namespace kavero::history
