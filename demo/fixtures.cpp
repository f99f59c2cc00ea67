#include <algorithm>
#include <array>
#include <tuple>

#include "random.h"
#include "season.h"

namespace kavero::demo {
namespace {

constexpr std::array kKickoffs = {13 * 60 + 30, 15 * 60, 16 * 60,      17 * 60,
                                  17 * 60 + 30, 18 * 60, 19 * 60,      19 * 60 + 30,
                                  20 * 60,      21 * 60, 21 * 60 + 45, 22 * 60};

struct Slot {
  int round;  // counted from the first coming round
  int championship;
  std::pair<int, int> clubs;
  int position;  // within its round
};

// Coming rounds, one after the other across every championship, until `matches` are found.
std::vector<Slot> ComingSlots(const std::vector<SeasonPlan>& plans, int matches) {
  std::vector<Slot> slots;
  for (int round = 0; static_cast<int>(slots.size()) < matches; ++round) {
    const std::size_t before = slots.size();
    for (std::size_t c = 0; c < plans.size(); ++c) {
      const auto& rounds = plans[c].rounds;
      const auto& pairs = rounds[(plans[c].played_rounds + round) % rounds.size()];
      for (std::size_t p = 0; p < pairs.size(); ++p) {
        if (static_cast<int>(slots.size()) == matches) return slots;
        slots.push_back({round, static_cast<int>(c), pairs[p], static_cast<int>(p)});
      }
    }
    if (slots.size() == before) break;  // no championship has two clubs
  }
  return slots;
}

// Rounds share the week out; when they lie two days apart or more, a round's
// matches spread over two days.
int DayOffset(const Slot& slot, int rounds) {
  const int first = slot.championship % 3;
  const int span = kDaysInLine - first;
  const int offset = first + slot.round * span / std::max(rounds, 1);
  const bool spread = span >= 2 * rounds && slot.position % 3 == 2;
  return std::min(offset + (spread ? 1 : 0), kDaysInLine - 1);
}

}  // namespace

std::vector<Fixture> ScheduleWeek(const World& world, std::vector<SeasonPlan>& plans,
                                  const WorldOptions& options, int week, int first_id) {
  const std::vector<Slot> slots = ComingSlots(plans, options.matches);
  const int rounds = slots.empty() ? 0 : slots.back().round + 1;
  const Day first_day = options.today + std::chrono::days(kDaysInLine * week);
  std::vector<std::vector<Fixture>> by_championship(world.championships.size());
  std::vector<Random> randoms;
  for (std::size_t c = 0; c < world.championships.size(); ++c) {
    randoms.emplace_back(options.seed, 2000 + 1000 * static_cast<std::uint64_t>(week) + c);
  }

  std::vector<int> rounds_taken(plans.size(), 0);
  for (const Slot& slot : slots) {
    Random& random = randoms[slot.championship];
    Fixture fixture;
    fixture.day = first_day + std::chrono::days(DayOffset(slot, rounds));
    fixture.kickoff = kKickoffs[random.Below(static_cast<int>(kKickoffs.size()))];
    fixture.home = slot.clubs.first;
    fixture.away = slot.clubs.second;
    fixture.pricing = {random.Between(0.055, 0.075), random.Between(0.3, 0.7)};
    const GoalMeans means = ExpectedGoals(world, fixture.home, fixture.away);
    fixture.odds = PriceMatch(means.home, means.away, fixture.pricing);
    fixture.more_markets = 20 + random.Below(180);
    fixture.round = plans[slot.championship].played_rounds + slot.round;
    rounds_taken[slot.championship] = slot.round + 1;
    by_championship[slot.championship].push_back(fixture);
  }
  // A round the week took only in part is passed over, as if postponed.
  for (std::size_t c = 0; c < plans.size(); ++c) plans[c].played_rounds += rounds_taken[c];

  std::vector<Fixture> scheduled;
  int id = first_id;
  for (auto& fixtures : by_championship) {
    std::stable_sort(fixtures.begin(), fixtures.end(), [](const Fixture& a, const Fixture& b) {
      return std::tie(a.day, a.kickoff) < std::tie(b.day, b.kickoff);
    });
    for (Fixture& fixture : fixtures) {
      fixture.id = id++;
      scheduled.push_back(fixture);
    }
  }
  return scheduled;
}

}  // namespace kavero::demo
