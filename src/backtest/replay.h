#pragma once
// Replays seasons match by match, giving each match what the pages would have
// shown before kick-off, and what the window would have made of it.
#include <optional>
#include <string>
#include <vector>

#include "backtest/season_file.h"
#include "base/goals_outlook.h"

namespace kavero {

// The total the backtest is about.
inline constexpr std::string_view kBacktestLine = "2.5";

struct ReplayedMatch {
  const SeasonFile* file = nullptr;
  const PastMatch* match = nullptr;
  std::string season;  // "2009-10", "2012" or the file's Season
  double step1 = 0, step2 = 0;
  // The goals model at the chosen prices; nothing where they are missing.
  std::optional<GoalsModel> model;
  bool Over() const { return match->home_goals + match->away_goals > 2; }
};

struct Replay {
  int matches_read = 0;
  // Matches where a team had played fewer than four games of the season.
  int too_early = 0;
  std::vector<ReplayedMatch> evaluated;  // by file, season, then date and time
};

// Each file is its own season, but for the extra leagues' file, whose seasons
// are its "Country League Season" values. Within a season matches go by date
// and time, then file order. The files must outlive the result.
Replay ReplaySeasons(const std::vector<SeasonFile>& files);

}  // namespace kavero
