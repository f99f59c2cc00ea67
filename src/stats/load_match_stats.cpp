#include "stats/load_match_stats.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/cp1251_literal.h"
#include "base/field_line.h"
#include "base/scores.h"
#include "base/text_cuts.h"
#include "stats/history_reader.h"
#include "stats/team_page.h"

namespace kavero {
namespace {

// Columns of TotalsRow::numbers.
constexpr std::size_t kPlayed = 0;
constexpr std::size_t kFirstCount = 1;  // at least 1, 2, 3 goals
constexpr std::size_t kFirstPercent = 4;
constexpr std::size_t kCounts = 3;

// k of n in per cent, nearest whole number with an exact half going to the even one.
int Percentage(int k, int n) {
  const long double share = static_cast<long double>(k) / n * 100;
  const long double below = std::floor(share);
  const long double fraction = share - below;
  const bool up = fraction > 0.5L || (fraction == 0.5L && std::fmod(below, 2.0L) != 0);
  return static_cast<int>(up ? below + 1 : below);
}

void FillPercentages(TotalsRow& totals) {
  const int played = totals.numbers[kPlayed];
  if (played == 0) return;
  for (std::size_t i = 0; i < kCounts; ++i) {
    totals.numbers[kFirstPercent + i] = Percentage(totals.numbers[kFirstCount + i], played);
  }
}

// Fills the league row of side 0 (home) or 1 (away) and, when its page lists
// any match, its totals row. Tells whether it did the latter.
bool ReadTeam(PageSource& pages, const std::vector<std::string>& team_page_list,
              const std::string& team, std::size_t side, MatchStats& stats) {
  LeagueRow& league = stats.league_rows[side];
  TotalsRow& totals = stats.totals[side];
  const auto page = ReadTeamPage(pages, team, TeamPageAddress(team_page_list, team),
                                 &stats.problems, &stats.team_failures[side]);
  stats.team_records[side] = page;
  const auto lines = SplitLines(page);
  // A NUL at the very start of the team record leaves no line at all.
  const std::string_view record = lines.empty() ? std::string_view{} : lines.front();
  for (std::size_t i = 0; i < league.cells.size(); ++i) {
    league.cells[i] = GetField(record, static_cast<int>(i) + 1);
  }
  if (lines.size() <= 1) return false;

  std::array<int, 1 + kCounts> counts{};  // played, then at least 1, 2, 3 goals
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const int goals = GoalTotal(GetField(lines[i], 4));
    if (goals == -1) continue;
    ++counts[kPlayed];
    for (std::size_t k = 0; k < kCounts; ++k) {
      if (goals > static_cast<int>(k)) ++counts[kFirstCount + k];
    }
  }
  totals.team = team;
  std::copy(counts.begin(), counts.end(), totals.numbers.begin());
  FillPercentages(totals);
  return true;
}

void MarkStrongPercentages(TotalsRow& totals) {
  constexpr std::array<int, kCounts> kGreenFrom{90, 70, 55};
  for (std::size_t i = 0; i < kCounts; ++i) {
    if (totals.numbers[kFirstPercent + i] >= kGreenFrom[i]) totals.green[i] = true;
  }
}

}  // namespace

void LoadMatchStats(const MatchRow& row, PageSource& pages, std::string_view bookmaker_site,
                    const std::vector<std::string>& team_page_list, MatchStats& stats,
                    const PageProblem* team_list_failure) {
  stats.league_rows = {};
  stats.totals = {};
  stats.team_failures = {};
  stats.team_records = {};
  stats.problems.clear();
  LoadHistoryGrids(pages, bookmaker_site, row.url, stats);
  if (team_list_failure != nullptr) {
    stats.team_failures = {*team_list_failure, *team_list_failure};
    return;
  }
  ReadTeam(pages, team_page_list, row.home, 0, stats);
  if (!ReadTeam(pages, team_page_list, row.away, 1, stats)) return;

  auto& both = stats.totals[2];
  both.team = "Общее"_w1251;
  for (std::size_t i = kPlayed; i < kFirstPercent; ++i) {
    both.numbers[i] = stats.totals[0].numbers[i] + stats.totals[1].numbers[i];
  }
  FillPercentages(both);
  for (auto& totals : stats.totals) MarkStrongPercentages(totals);
}

}  // namespace kavero
