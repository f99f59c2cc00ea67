#pragma once
// The steps that build a World, shared by its generator files.
#include <cstdint>
#include <utility>
#include <vector>

#include "world.h"

namespace kavero::demo {

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

// Fills World::played and World::history.
void PlayHistory(World& world, const std::vector<SeasonPlan>& plans, std::uint64_t seed);
// Fills World::fixtures and each championship's fixture list.
void ScheduleFixtures(World& world, const std::vector<SeasonPlan>& plans, std::uint64_t seed,
                      int matches);

}  // namespace kavero::demo
