#include <algorithm>

#include "price_drift.h"
#include "season.h"

namespace kavero::demo {

void OfferLine(World& world, const std::vector<Fixture>& scheduled, const WorldOptions& options,
               Moment now) {
  const std::chrono::days week_ahead(kDaysInLine - 1);
  std::vector<Fixture> offered;
  for (const Fixture& fixture : scheduled) {
    if (fixture.day < now.day || fixture.day > now.day + week_ahead) continue;
    const Day first_offered = std::max(options.today, fixture.day - week_ahead);
    Fixture shown = fixture;
    shown.odds = DriftedOdds(world, fixture, options.seed,
                             static_cast<int>((now.day - first_offered).count()), now.hour);
    offered.push_back(shown);
  }
  // Later weeks' matches come after the earlier ones of their championship.
  std::stable_sort(offered.begin(), offered.end(), [&](const Fixture& a, const Fixture& b) {
    return world.ChampionshipOf(a) < world.ChampionshipOf(b);
  });
  for (const Fixture& fixture : offered) {
    world.championships[world.ChampionshipOf(fixture)].fixtures.push_back(
        static_cast<int>(world.fixtures.size()));
    world.fixtures.push_back(fixture);
  }
}

}  // namespace kavero::demo
