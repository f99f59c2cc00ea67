#include "backtest/replay.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "backtest/season_tables.h"
#include "stats/goals_model.h"
#include "stats/step_indicators.h"

namespace kavero {
namespace {

constexpr int kGamesBeforeEvaluated = 4;

// "2009-10" for a season across two years, "2012" within one.
std::string SeasonLabel(const std::vector<const PastMatch*>& matches) {
  const int first = matches.front()->date.year;
  const int last = matches.back()->date.year;
  if (first == last) return std::to_string(first);
  const std::string end = std::to_string(last % 100);
  return std::to_string(first) + "-" + (end.size() < 2 ? "0" : "") + end;
}

void ReplaySeason(const SeasonFile& file, std::vector<const PastMatch*> matches, Replay& replay) {
  std::stable_sort(matches.begin(), matches.end(), [](const PastMatch* a, const PastMatch* b) {
    return std::tie(a->date.year, a->date.month, a->date.day, a->kickoff) <
           std::tie(b->date.year, b->date.month, b->date.day, b->kickoff);
  });
  const std::string season =
      matches.front()->season.empty() ? SeasonLabel(matches) : matches.front()->season;
  SeasonTables tables;
  for (const PastMatch* match : matches) {
    ++replay.matches_read;
    if (tables.Games(match->home) < kGamesBeforeEvaluated ||
        tables.Games(match->away) < kGamesBeforeEvaluated) {
      ++replay.too_early;
    } else {
      const HistoryTable& home = tables.Recent(match->home);
      const HistoryTable& away = tables.Recent(match->away);
      replay.evaluated.push_back(
          {&file, match, season, ComputeStep1(home, away),
           ComputeStep2(home, away, match->home, match->away),
           ComputeGoalsModel(tables.Row(match->home), tables.Row(match->away), kBacktestLine,
                             match->price_under, match->price_over)});
    }
    tables.Add(*match);
  }
}

}  // namespace

Replay ReplaySeasons(const std::vector<SeasonFile>& files) {
  Replay replay;
  for (const SeasonFile& file : files) {
    // Seasons in the order the file first lists them.
    std::map<std::pair<std::string, std::string>, std::vector<const PastMatch*>> seasons;
    std::vector<std::pair<std::string, std::string>> order;
    for (const PastMatch& match : file.matches) {
      auto& season = seasons[{match.league, match.season}];
      if (season.empty()) order.emplace_back(match.league, match.season);
      season.push_back(&match);
    }
    for (const auto& key : order) ReplaySeason(file, std::move(seasons[key]), replay);
  }
  return replay;
}

}  // namespace kavero
