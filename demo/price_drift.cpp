#include "price_drift.h"

#include <cmath>

#include "season.h"

namespace kavero::demo {
namespace {

// Steps of the logarithm of the expected goals: a morning's up to 6 %, an hour's up to 1.2 %.
constexpr double kDailyStep = 0.06;
constexpr double kHourlyStep = 0.012;

double GoalShift(std::uint64_t seed, int fixture_id, int days, int hour) {
  const auto id = static_cast<std::uint64_t>(fixture_id);
  double shift = 0;
  Random mornings(seed, kDailyDriftStream + id);
  for (int day = 0; day < days; ++day) shift += mornings.Between(-kDailyStep, kDailyStep);
  Random hours(seed, kHourlyDriftStream + id * 8 + static_cast<std::uint64_t>(days));
  for (int h = 0; h < hour; ++h) shift += hours.Between(-kHourlyStep, kHourlyStep);
  return shift;
}

}  // namespace

MatchOdds DriftedOdds(const World& world, const Fixture& fixture, std::uint64_t seed, int days,
                      int hour) {
  if (days == 0 && hour == 0) return fixture.odds;
  const GoalMeans means = ExpectedGoals(world, fixture.home, fixture.away);
  const double factor = std::exp(GoalShift(seed, fixture.id, days, hour));
  const MatchOdds moved = PriceMatch(means.home * factor, means.away * factor, fixture.pricing);
  MatchOdds odds = fixture.odds;
  odds.total = moved.total;
  odds.under = moved.under;
  odds.over = moved.over;
  return odds;
}

}  // namespace kavero::demo
