// The generated clubs, results and line: the names every reader and
// dictionary relies on, plausible football, and a week of fairly priced matches.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "base/encoding.h"
#include "clubs.h"
#include "demo_site_fixture.h"
#include "line/flag_stems.h"
#include "line_pages.h"
#include "page_text.h"
#include "stats_pages.h"

namespace kavero::demo {
namespace {

using testing::TestToday;
using testing::TestWorld;

bool HasMarkup(std::string_view name) {
  return name.find_first_of("<>&\"=") != std::string_view::npos || name.empty() ||
         name.front() == ' ' || name.back() == ' ';
}

TEST(ClubTable, NamesAreDistinctAndSafeInEveryPageAndFile) {
  const auto& table = ChampionshipTable();
  ASSERT_GE(table.size(), 30u);
  std::set<std::string> russian, english;
  for (const ChampionshipData& championship : table) {
    SCOPED_TRACE(std::string(championship.english));
    EXPECT_GE(championship.clubs.size(), 8u);
    EXPECT_LE(championship.clubs.size(), 20u);
    for (const ClubName& club : championship.clubs) {
      EXPECT_FALSE(HasMarkup(club.russian)) << club.russian;
      EXPECT_FALSE(HasMarkup(club.english)) << club.english;
      // English names travel through Windows-1251 files and UTF-8 pages alike.
      EXPECT_TRUE(std::all_of(club.english.begin(), club.english.end(), [](char c) {
        return c >= ' ' && c <= '~';
      })) << club.english;
      // The dictionary lookups ignore letter case.
      EXPECT_TRUE(russian.insert(LowerCp1251(InCp1251(club.russian))).second) << club.russian;
      EXPECT_TRUE(english.insert(LowerCp1251(club.english)).second) << club.english;
    }
  }
  // A championship is translated by the first dictionary line whose name occurs
  // in it or holds it, so no name may hold another.
  for (const ChampionshipData& a : table) {
    for (const ChampionshipData& b : table) {
      if (&a == &b) continue;
      EXPECT_EQ(LowerCp1251(InCp1251(a.russian)).find(LowerCp1251(InCp1251(b.russian))),
                std::string::npos)
          << a.russian << " holds " << b.russian;
    }
  }
}

TEST(ClubTable, EveryChampionshipShowsAFlag) {
  // Named as a Russian-language bookmaker names them, each holds a country stem.
  for (const ChampionshipData& championship : ChampionshipTable()) {
    EXPECT_NE(FlagIndex(InCp1251(championship.russian), FlagStems()), 0) << championship.russian;
  }
}

TEST(World, OneSeedGivesOneSite) {
  const World first = TestWorld();
  const World again = TestWorld();
  WorldOptions other_options;
  other_options.seed = 7;
  other_options.today = TestToday();
  const World other = BuildWorld(other_options);
  EXPECT_EQ(LineTablesPage(first, {"101", "120"}), LineTablesPage(again, {"101", "120"}));
  EXPECT_EQ(StatsPage(first, 1001), StatsPage(again, 1001));
  EXPECT_NE(StatsPage(first, 1001), StatsPage(other, 1001));
}

TEST(World, ResultsLookLikeFootball) {
  const World world = TestWorld();
  double home_goals = 0, away_goals = 0;
  int goalless = 0, six_or_more = 0, final_score_only = 0;
  for (const PlayedMatch& match : world.played) {
    home_goals += match.home_goals;
    away_goals += match.away_goals;
    goalless += match.home_goals + match.away_goals == 0;
    six_or_more += match.home_goals + match.away_goals >= 6;
    final_score_only += !match.half_time_known;
    EXPECT_LE(match.home_half, match.home_goals);
    EXPECT_LE(match.away_half, match.away_goals);
    EXPECT_LT(match.day, world.today);
  }
  const double count = static_cast<double>(world.played.size());
  EXPECT_NEAR(home_goals / count, 1.5, 0.2);
  EXPECT_NEAR(away_goals / count, 1.2, 0.2);
  EXPECT_NEAR(goalless / count, 0.08, 0.05);
  EXPECT_GT(six_or_more, 0);
  EXPECT_NEAR(final_score_only / count, 0.1, 0.03);
  for (std::size_t club = 0; club < world.clubs.size(); ++club) {
    EXPECT_GE(world.history[club].size(), static_cast<std::size_t>(RecentResultCount(club)));
  }
}

TEST(World, LineFillsTheComingWeekWithFairlyPricedTotals) {
  for (int matches : {0, 1, 300, 1000}) {
    SCOPED_TRACE(matches);
    const World world = TestWorld(matches);
    ASSERT_EQ(world.fixtures.size(), static_cast<std::size_t>(matches));
    std::set<std::pair<int, Day>> club_days;
    for (std::size_t i = 0; i < world.fixtures.size(); ++i) {
      const Fixture& fixture = world.fixtures[i];
      EXPECT_EQ(fixture.id, world.fixtures.front().id + static_cast<int>(i));
      EXPECT_GE(fixture.day, world.today);
      EXPECT_LE(fixture.day, world.today + std::chrono::days(6));
      EXPECT_TRUE(club_days.insert({fixture.home, fixture.day}).second);
      EXPECT_TRUE(club_days.insert({fixture.away, fixture.day}).second);
      const MatchOdds& odds = fixture.odds;
      EXPECT_TRUE(odds.total == 1.5 || odds.total == 2.5 || odds.total == 3.5) << odds.total;
      const double margin = 1 / odds.under + 1 / odds.over - 1;
      EXPECT_GE(margin, 0.05);
      EXPECT_LE(margin, 0.08);
    }
  }
}

}  // namespace
}  // namespace kavero::demo
