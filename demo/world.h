#pragma once
// Everything the demo site shows, generated from a seed: clubs, each club's
// past matches and the coming matches with their prices, on a given day.
#include <cstdint>
#include <string_view>
#include <vector>

#include "calendar.h"
#include "odds.h"

namespace kavero::demo {

struct Club {
  int championship = 0;  // index into World::championships
  std::string_view russian, english;
  double attack = 1, defence = 1;  // multiply the club's goals and the goals it concedes
};

struct PlayedMatch {
  Day day;
  int home = 0, away = 0;  // club indexes
  int home_goals = 0, away_goals = 0;
  int home_half = 0, away_half = 0;
  bool half_time_known = true;  // some reports give the final score only
  bool current_season = false;
};

struct Fixture {
  int id = 0;  // the statistics page number
  Day day;
  int kickoff = 0;  // minutes after midnight
  int home = 0, away = 0;
  MatchOdds odds;
  int more_markets = 0;  // how many further bets the bookmaker offers
  int round = 0;         // the championship's round, counted from its first season
  PricingChoice pricing{};
};

struct Championship {
  int line_id = 0;  // the identifier in the bookmaker's line menu
  std::string_view russian, english;
  std::vector<int> clubs;     // club indexes
  std::vector<int> fixtures;  // indexes into World::fixtures, by day and kick-off
};

struct World {
  Day today;  // the line's first day
  std::vector<Championship> championships;
  std::vector<Club> clubs;
  std::vector<PlayedMatch> played;
  std::vector<std::vector<int>> history;  // per club: indexes into `played`, oldest first
  std::vector<Fixture> fixtures;          // championship by championship, in menu order

  // The page number of a club's team page, and back (-1 when there is no such club).
  static int ClubPageId(int club) { return club + 1; }
  int ClubFromPageId(int page_id) const;
  // The offered fixture with this statistics page number, or nullptr.
  const Fixture* FindFixture(int id) const;
  int ChampionshipOf(const Fixture& fixture) const { return clubs[fixture.home].championship; }
};

struct WorldOptions {
  std::uint64_t seed = 20261210;
  int matches = 300;  // coming matches in a week's line
  Day today;          // the day the world starts on
};

// How far the world moves on from the day it starts on.
inline constexpr std::chrono::days kLongestMove{366};

// The world as it starts, on options.today.
World BuildWorld(const WorldOptions& options);
// The same world moved on to `now` (options.today up to kLongestMove later):
// every match offered before now.day has been played, and the prices of the
// matches still offered have moved since they were first offered.
World BuildWorld(const WorldOptions& options, Moment now);

}  // namespace kavero::demo
