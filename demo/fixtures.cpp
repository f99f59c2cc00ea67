#include <algorithm>
#include <array>
#include <tuple>

#include "random.h"
#include "season.h"

namespace kavero::demo {
namespace {

constexpr int kFirstFixtureId = 1001;
constexpr int kDaysInLine = 7;
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

void ScheduleFixtures(World& world, const std::vector<SeasonPlan>& plans, std::uint64_t seed,
                      int matches) {
  const std::vector<Slot> slots = ComingSlots(plans, matches);
  const int rounds = slots.empty() ? 0 : slots.back().round + 1;
  std::vector<std::vector<Fixture>> by_championship(world.championships.size());
  std::vector<Random> randoms;
  for (std::size_t c = 0; c < world.championships.size(); ++c) randoms.emplace_back(seed, 2000 + c);

  for (const Slot& slot : slots) {
    Random& random = randoms[slot.championship];
    Fixture fixture;
    fixture.day = world.today + std::chrono::days(DayOffset(slot, rounds));
    fixture.kickoff = kKickoffs[random.Below(static_cast<int>(kKickoffs.size()))];
    fixture.home = slot.clubs.first;
    fixture.away = slot.clubs.second;
    const GoalMeans means = ExpectedGoals(world, fixture.home, fixture.away);
    fixture.odds = PriceMatch(means.home, means.away,
                              {random.Between(0.055, 0.075), random.Between(0.3, 0.7)});
    fixture.more_markets = 20 + random.Below(180);
    by_championship[slot.championship].push_back(fixture);
  }

  int id = kFirstFixtureId;
  for (std::size_t c = 0; c < by_championship.size(); ++c) {
    auto& fixtures = by_championship[c];
    std::stable_sort(fixtures.begin(), fixtures.end(), [](const Fixture& a, const Fixture& b) {
      return std::tie(a.day, a.kickoff) < std::tie(b.day, b.kickoff);
    });
    for (Fixture& fixture : fixtures) {
      fixture.id = id++;
      world.championships[c].fixtures.push_back(static_cast<int>(world.fixtures.size()));
      world.fixtures.push_back(fixture);
    }
  }
}

}  // namespace kavero::demo
