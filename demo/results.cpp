#include <algorithm>
#include <tuple>

#include "season.h"

namespace kavero::demo {
namespace {

constexpr double kFirstHalfShare = 0.45;
constexpr double kFinalScoreOnly = 0.1;

// Circle method: every club meets every other once per half, the second half
// with the venues swapped. An odd count gets a resting slot.
std::vector<std::vector<std::pair<int, int>>> DoubleRoundRobin(const std::vector<int>& clubs) {
  const int count = static_cast<int>(clubs.size());
  const int slots = count + count % 2;
  std::vector<int> order(slots);
  for (int i = 0; i < slots; ++i) order[i] = i;
  std::vector<std::vector<std::pair<int, int>>> first_half;
  for (int round = 0; round < slots - 1; ++round) {
    std::vector<std::pair<int, int>> pairs;
    for (int i = 0; i < slots / 2; ++i) {
      int home = order[i];
      int away = order[slots - 1 - i];
      if ((i == 0 && round % 2 == 1) || (i > 0 && i % 2 == 1)) std::swap(home, away);
      if (home < count && away < count) pairs.emplace_back(clubs[home], clubs[away]);
    }
    first_half.push_back(std::move(pairs));
    // Keep slot 0 fixed and turn the others by one place.
    std::rotate(order.begin() + 1, order.end() - 1, order.end());
  }
  auto rounds = first_half;
  for (const auto& pairs : first_half) {
    std::vector<std::pair<int, int>> swapped;
    swapped.reserve(pairs.size());
    for (const auto& [home, away] : pairs) swapped.emplace_back(away, home);
    rounds.push_back(std::move(swapped));
  }
  return rounds;
}

void AddToHistory(World& world, const PlayedMatch& match) {
  const int index = static_cast<int>(world.played.size());
  world.played.push_back(match);
  world.history[match.home].push_back(index);
  world.history[match.away].push_back(index);
}

}  // namespace

SeasonPlan PlanSeason(const Championship& championship, int index, Day today) {
  SeasonPlan plan;
  plan.rounds = DoubleRoundRobin(championship.clubs);
  const int cycle = static_cast<int>(plan.rounds.size());
  const int current = std::min(cycle / 2 + index % 4, cycle - 1);
  plan.season_start = cycle;
  plan.played_rounds = cycle + current;
  // At least two days of rest before the first coming match.
  plan.last_played = today - std::chrono::days(2 + index % 3);
  return plan;
}

PlayedMatch PlayMatch(const World& world, Random& random, Day day, int home, int away) {
  const GoalMeans means = ExpectedGoals(world, home, away);
  PlayedMatch match;
  match.day = day;
  match.home = home;
  match.away = away;
  match.home_goals = random.Poisson(means.home);
  match.away_goals = random.Poisson(means.away);
  match.home_half = random.Binomial(match.home_goals, kFirstHalfShare);
  match.away_half = random.Binomial(match.away_goals, kFirstHalfShare);
  match.half_time_known = !random.Chance(kFinalScoreOnly);
  return match;
}

void PlayHistory(World& world, const std::vector<SeasonPlan>& plans, std::uint64_t seed) {
  world.history.assign(world.clubs.size(), {});
  for (std::size_t c = 0; c < plans.size(); ++c) {
    const SeasonPlan& plan = plans[c];
    Random random(seed, 1000 + c);
    const int cycle = static_cast<int>(plan.rounds.size());
    for (int round = 0; round < plan.played_rounds; ++round) {
      const Day day = plan.last_played - std::chrono::days(7 * (plan.played_rounds - 1 - round));
      for (const auto& [home, away] : plan.rounds[round % cycle]) {
        PlayedMatch match = PlayMatch(world, random, day, home, away);
        match.current_season = round >= plan.season_start;
        AddToHistory(world, match);
      }
    }
  }
}

void PlayFixtures(World& world, const std::vector<Fixture>& scheduled,
                  const std::vector<SeasonPlan>& plans, std::uint64_t seed) {
  std::vector<const Fixture*> played;
  for (const Fixture& fixture : scheduled) {
    if (fixture.day < world.today) played.push_back(&fixture);
  }
  std::sort(played.begin(), played.end(), [](const Fixture* a, const Fixture* b) {
    return std::tie(a->day, a->kickoff, a->id) < std::tie(b->day, b->kickoff, b->id);
  });

  std::vector<int> season_start;
  season_start.reserve(plans.size());
  for (const SeasonPlan& plan : plans) season_start.push_back(plan.season_start);
  for (const Fixture* fixture : played) {
    const int c = world.ChampionshipOf(*fixture);
    const int cycle = static_cast<int>(plans[c].rounds.size());
    season_start[c] = std::max(season_start[c], fixture->round / cycle * cycle);
  }
  for (std::size_t c = 0; c < plans.size(); ++c) {
    if (season_start[c] == plans[c].season_start) continue;
    for (int club : world.championships[c].clubs) {
      for (int index : world.history[club]) world.played[index].current_season = false;
    }
  }

  for (const Fixture* fixture : played) {
    Random random(seed, kScoreStream + static_cast<std::uint64_t>(fixture->id));
    PlayedMatch match = PlayMatch(world, random, fixture->day, fixture->home, fixture->away);
    match.current_season = fixture->round >= season_start[world.ChampionshipOf(*fixture)];
    AddToHistory(world, match);
  }
}

}  // namespace kavero::demo
