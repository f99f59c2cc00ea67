#pragma once
// The steps that build a World, shared by its generator files.
#include <cstdint>
#include <utility>
#include <vector>

#include "random.h"
#include "world.h"

namespace kavero::demo {

// The line offers the matches of this many days, from today on.
inline constexpr int kDaysInLine = 7;

// Random streams of a moved world, apart from the clubs' (championship index
// c), the history's (1000 + c) and each week's line (2000 + 1000 * week + c).
inline constexpr std::uint64_t kScoreStream = 1'000'000;        // + fixture id
inline constexpr std::uint64_t kDailyDriftStream = 2'000'000;   // + fixture id
inline constexpr std::uint64_t kHourlyDriftStream = 3'000'000;  // + fixture id * 8 + day

struct SeasonPlan {
  // One cycle of home-and-away rounds (club indexes); later rounds repeat it.
  std::vector<std::vector<std::pair<int, int>>> rounds;
  int played_rounds = 0;  // the previous season and the current one so far
  int season_start = 0;   // first round of the current season
  Day last_played;        // day of the latest played round
};

SeasonPlan PlanSeason(const Championship& championship, int index, Day today);

struct GoalMeans {
  double home, away;
};
GoalMeans ExpectedGoals(const World& world, int home, int away);

// A match between two clubs, its goals drawn from `random` (not yet of any season).
PlayedMatch PlayMatch(const World& world, Random& random, Day day, int home, int away);

// Fills World::played and World::history.
void PlayHistory(World& world, const std::vector<SeasonPlan>& plans, std::uint64_t seed);

// The matches of the line's `week` (0 for the one starting on options.today),
// championship by championship, each by day and kick-off, numbered from
// `first_id`; the plans move past the rounds the week takes.
std::vector<Fixture> ScheduleWeek(const World& world, std::vector<SeasonPlan>& plans,
                                  const WorldOptions& options, int week, int first_id);

// Plays the scheduled matches before world.today (in day order), adding them
// to every club's history; a championship that went past the end of its
// season starts the next one.
void PlayFixtures(World& world, const std::vector<Fixture>& scheduled,
                  const std::vector<SeasonPlan>& plans, std::uint64_t seed);

// Fills World::fixtures and each championship's fixture list with the
// scheduled matches offered at `now`, at the prices of that moment.
void OfferLine(World& world, const std::vector<Fixture>& scheduled, const WorldOptions& options,
               Moment now);

}  // namespace kavero::demo
