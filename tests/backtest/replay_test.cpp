#include "backtest/replay.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "backtest/season_tables.h"
#include "stats/goals_model.h"

namespace kavero {
namespace {

// Ash, Birch, Cedar and Dune play four rounds; on the last day Ash plays twice
// (the file lists the 18:00 match before the 13:00 one) and Elm its first game.
SeasonFile HandMadeSeason() {
  std::ifstream in(KAVERO_TEST_SEASONS "/2526-X1.csv", std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return ReadSeasonFile("2526-X1.csv", text, *ChoosePrices("average"));
}

LeagueRow Row(std::string team, std::string games, std::string goals) {
  LeagueRow row;
  row.cells[1] = std::move(team);
  row.cells[2] = std::move(games);
  row.cells[6] = std::move(goals);
  return row;
}

TEST(Replay, GivesEachMatchWhatThePagesShowedBeforeIt) {
  const std::vector<SeasonFile> files{HandMadeSeason()};
  const Replay replay = ReplaySeasons(files);
  EXPECT_EQ(replay.matches_read, 11);
  EXPECT_EQ(replay.too_early, 9);  // the four rounds, and Elm's first game
  ASSERT_EQ(replay.evaluated.size(), 2u);

  // Cedar (0:2 Dune, 2:2 Birch, 1:3 Ash, 0:0 Dune) against Ash (3:1 Birch,
  // 2:0 Dune, 3:1 Cedar, 2:1 Birch), latest first.
  const ReplayedMatch& first = replay.evaluated[0];
  EXPECT_EQ(first.match->home, "Cedar");
  EXPECT_EQ(first.season, "2025");
  EXPECT_DOUBLE_EQ(first.step1, 0 + 2.5);
  EXPECT_DOUBLE_EQ(first.step2, (3.25 + 5.375) / 4);
  ASSERT_TRUE(first.model);
  const auto expected =
      ComputeGoalsModel(Row("Cedar", "4", "3-7"), Row("Ash", "4", "10-3"), "2.5", "2.05", "1.80");
  EXPECT_DOUBLE_EQ(first.model->over.win, expected->over.win);
  EXPECT_DOUBLE_EQ(first.model->total_goals, expected->total_goals);
  EXPECT_DOUBLE_EQ(first.model->over.edge, expected->over.edge);

  // Ash's latest is now the 1:1 at Cedar of the same day, written without a
  // half-time score: it counts as 1:1, not 0:0. Dune's 1:1 at Birch likewise.
  const ReplayedMatch& second = replay.evaluated[1];
  EXPECT_EQ(second.match->home, "Ash");
  EXPECT_EQ(second.match->away, "Dune");
  EXPECT_DOUBLE_EQ(second.step1, 1.5 - 3.5);
  EXPECT_DOUBLE_EQ(second.step2, (5.0 + 2.25) / 4);
  EXPECT_FALSE(second.model);  // no prices
}

TEST(Replay, KeepsTheExtraLeaguesSeasonsApart) {
  // The same season twice under two Season values: neither sees the other's games.
  SeasonFile file = HandMadeSeason();
  const std::size_t one_season = file.matches.size();
  for (std::size_t i = 0; i < one_season; ++i) {
    file.matches[i].season = "2025";
    PastMatch again = file.matches[i];
    again.season = "2026";
    file.matches.push_back(again);
  }
  const std::vector<SeasonFile> files{file};
  const Replay replay = ReplaySeasons(files);
  EXPECT_EQ(replay.evaluated.size(), 4u);
  EXPECT_EQ(replay.evaluated[0].season, "2025");
  EXPECT_EQ(replay.evaluated[3].season, "2026");
}

TEST(SeasonTables, ListsTheLastFourLatestFirstWithScoresAsThePageWritesThem) {
  SeasonTables tables;
  for (int round = 1; round <= 5; ++round) {
    PastMatch match;
    match.date = {2025, 8, round};
    match.home = round % 2 == 1 ? "Ash" : "Birch";
    match.away = round % 2 == 1 ? "Birch" : "Ash";
    match.home_goals = round;
    match.away_goals = 0;
    match.home_half = round == 5 ? -1 : 1;
    match.away_half = 0;
    tables.Add(match);
  }
  const HistoryTable expected = {{"05.08.2025", "Ash - Birch", "5:0 ()"},
                                 {"04.08.2025", "Birch - Ash", "4:0 (1:0)"},
                                 {"03.08.2025", "Ash - Birch", "3:0 (1:0)"},
                                 {"02.08.2025", "Birch - Ash", "2:0 (1:0)"}};
  EXPECT_EQ(tables.Recent("Ash"), expected);
  EXPECT_EQ(tables.Games("Ash"), 5);
  const LeagueRow row = tables.Row("Ash");
  EXPECT_EQ(row.cells[2], "5");
  EXPECT_EQ(row.cells[6], "9-6");
  EXPECT_EQ(tables.Games("Elm"), 0);
  EXPECT_TRUE(tables.Recent("Elm").empty());
}

}  // namespace
}  // namespace kavero
