#include "world.h"

#include <algorithm>

#include "clubs.h"
#include "random.h"
#include "season.h"

namespace kavero::demo {
namespace {

constexpr int kFirstLineId = 101;
constexpr int kFirstFixtureId = 1001;

// Better clubs both score more and concede less.
void RateClubs(World& world, std::uint64_t seed) {
  for (std::size_t c = 0; c < world.championships.size(); ++c) {
    Random random(seed, c);
    for (int club : world.championships[c].clubs) {
      const double quality = random.Between(-1.0, 1.0);
      world.clubs[club].attack = 1.0 + 0.28 * quality + random.Between(-0.08, 0.08);
      world.clubs[club].defence = 1.0 - 0.22 * quality + random.Between(-0.08, 0.08);
    }
  }
}

}  // namespace

int World::ClubFromPageId(int page_id) const {
  const int club = page_id - 1;
  return club >= 0 && club < static_cast<int>(clubs.size()) ? club : -1;
}

const Fixture* World::FindFixture(int id) const {
  const auto found = std::find_if(fixtures.begin(), fixtures.end(),
                                  [id](const Fixture& fixture) { return fixture.id == id; });
  return found == fixtures.end() ? nullptr : &*found;
}

GoalMeans ExpectedGoals(const World& world, int home, int away) {
  const Club& h = world.clubs[home];
  const Club& a = world.clubs[away];
  const double factor = ChampionshipTable()[h.championship].goal_factor;
  return {1.5 * factor * h.attack * a.defence, 1.2 * factor * a.attack * h.defence};
}

World BuildWorld(const WorldOptions& options) {
  return BuildWorld(options, {options.today, 0});
}

World BuildWorld(const WorldOptions& options, Moment now) {
  World world;
  const auto& table = ChampionshipTable();
  for (std::size_t c = 0; c < table.size(); ++c) {
    Championship championship;
    championship.line_id = kFirstLineId + static_cast<int>(c);
    championship.russian = table[c].russian;
    championship.english = table[c].english;
    for (const ClubName& name : table[c].clubs) {
      championship.clubs.push_back(static_cast<int>(world.clubs.size()));
      world.clubs.push_back({static_cast<int>(c), name.russian, name.english});
    }
    world.championships.push_back(std::move(championship));
  }
  RateClubs(world, options.seed);

  std::vector<SeasonPlan> plans;
  for (std::size_t c = 0; c < world.championships.size(); ++c) {
    plans.push_back(PlanSeason(world.championships[c], static_cast<int>(c), options.today));
  }
  PlayHistory(world, plans, options.seed);

  // Every week up to the last day offered now, each week's rounds after the last's.
  std::vector<Fixture> scheduled;
  const int days_moved = static_cast<int>((now.day - options.today).count());
  const int last_week = (days_moved + kDaysInLine - 1) / kDaysInLine;
  for (int week = 0; week <= last_week; ++week) {
    const auto first_id = kFirstFixtureId + static_cast<int>(scheduled.size());
    const std::vector<Fixture> fixtures = ScheduleWeek(world, plans, options, week, first_id);
    scheduled.insert(scheduled.end(), fixtures.begin(), fixtures.end());
  }
  world.today = now.day;
  PlayFixtures(world, scheduled, plans, options.seed);
  OfferLine(world, scheduled, options, now);
  return world;
}

}  // namespace kavero::demo
