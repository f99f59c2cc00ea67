#include "history_fixture.h"

namespace kavero::history {
namespace {

constexpr auto kPattern = "dd.MM.yyyy";

class SettlementTest : public HistoryFolder {
 protected:
  void SetUp() override {
    HistoryFolder::SetUp();
    ASSERT_TRUE(store_.Open(folder_.string()).status.ok());
    ASSERT_TRUE(store_.SaveRun(RunOf(rows_, kDay, 10 * 60)).ok());
  }

  HistoryStore store_;
  const MatchTable rows_ = {Row("12.05.2024", "Alpha", "Beta"),
                            Row("12.05.2024", "Gamma", "Delta")};
};

// A later match's statistics page: Alpha's recent results as that page spells it.
MatchStats LaterStatistics(std::string alpha_score) {
  MatchStats stats;
  stats.home_recent = {{"12.05.2024", "Alpha FC - Beta", alpha_score},
                       {"05.05.2024", "Omega - Alpha FC", "0:0"}};
  stats.away_recent = {{"12.05.2024", "Gamma - Delta", "-:-"},
                       {"05.05.2024", "Delta - Zeta", "1:1"}};
  return stats;
}

TEST_F(SettlementTest, AStatisticsPageSettlesThroughItsOwnSpellingAndLeavesUnplayedOpen) {
  const MatchRow later = Row("19.05.2024", "Alpha", "Zeta");
  const auto settled =
      store_.SettleFromStatistics(later, LaterStatistics("2:1 (1:0)"), "stat/9", 5);
  ASSERT_TRUE(settled.status.ok()) << settled.status.detail;
  EXPECT_EQ(settled.recorded, 1);
  const MatchResult alpha = store_.ResultOf(rows_[0], kPattern);
  EXPECT_EQ(alpha.state, Settlement::kSettled);
  ASSERT_EQ(alpha.scores.size(), 1u);
  EXPECT_EQ(alpha.scores[0].home_goals, 2);
  EXPECT_EQ(alpha.scores[0].away_goals, 1);
  EXPECT_EQ(alpha.scores[0].source, "statistics stat/9");
  EXPECT_EQ(store_.ResultOf(rows_[1], kPattern).state, Settlement::kOpen);
}

TEST_F(SettlementTest, OnlyTheExactDayAndBothTeamsSettle) {
  MatchStats stats;
  stats.meetings = {{"13.05.2024", "Alpha - Beta", "1:0"},   // another day
                    {"12.05.2024", "Beta - Alpha", "1:0"},   // the sides the other way round
                    {"12.05.2024", "Alpha - Omega", "1:0"},  // another opponent
                    {"12.05.2024", "Alpha Beta", "1:0"}};    // no two teams
  EXPECT_EQ(store_.SettleFromStatistics(Row("19.05.2024", "X", "Y"), stats, "stat/9", 5).recorded,
            0);
  EXPECT_EQ(store_.ResultOf(rows_[0], kPattern).state, Settlement::kOpen);
}

TEST_F(SettlementTest, ATeamPageSettlesTheMatchItsTeamPlayedAway) {
  const std::string beta_page =
      "1>>Beta>>3>>1>>1>>1>>4-4>>4>>\r\n"
      "12.05.2024>>Alpha>>League>>3:0>>\r\n"
      "05.05.2024>>Beta>>League>>1:1>>\r\n";
  const auto settled = store_.SettleFromTeamPage("Beta", beta_page, "http://teams/2", 7);
  ASSERT_TRUE(settled.status.ok());
  EXPECT_EQ(settled.recorded, 1);
  const MatchResult alpha = store_.ResultOf(rows_[0], kPattern);
  ASSERT_EQ(alpha.state, Settlement::kSettled);
  EXPECT_EQ(alpha.scores[0].source, "team http://teams/2");
  // The home side's own page cannot name the opponent: nothing from it.
  EXPECT_EQ(store_
                .SettleFromTeamPage("Gamma", "x\r\n12.05.2024>>Gamma>>League>>2:2>>\r\n",
                                    "http://teams/3", 7)
                .recorded,
            0);
  EXPECT_EQ(store_.ResultOf(rows_[1], kPattern).state, Settlement::kOpen);
}

TEST_F(SettlementTest, ADisagreeingScoreIsKeptAsAConflict) {
  store_.SettleFromStatistics(Row("19.05.2024", "Alpha", "Zeta"), LaterStatistics("2:1"), "s", 5);
  store_.SettleFromStatistics(Row("19.05.2024", "Alpha", "Zeta"), LaterStatistics("2:1"), "s", 6);
  EXPECT_EQ(store_.ResultOf(rows_[0], kPattern).state, Settlement::kSettled);
  store_.SettleFromTeamPage("Beta", "x\r\n12.05.2024>>Alpha>>League>>2:2>>\r\n", "t", 7);
  const MatchResult alpha = store_.ResultOf(rows_[0], kPattern);
  EXPECT_EQ(alpha.state, Settlement::kConflict);
  ASSERT_EQ(alpha.scores.size(), 2u);
  EXPECT_EQ(alpha.scores[1].source, "team t");
  EXPECT_TRUE(store_.MarkedBets(std::nullopt, kDay).empty());
}

TEST_F(SettlementTest, MarkedBetsOfSettledMatchesCarryTheirPricesAndChances) {
  MatchTable assessed = {Row("12.05.2024", "Alpha", "Beta", "2.10", "1.80")};
  assessed[0].steps_read = true;
  assessed[0].step1 = 6;
  assessed[0].step1_colour = CellColour::kGreen;
  GoalsModel model;
  model.line = 2.5;
  model.over = {0.62, 0, 1.116, 0.116, 0.53};
  model.under = {0.38, 0, 0.8, -0.2, 0.47};
  assessed[0].goals_model = model;
  ASSERT_TRUE(store_.SaveRun(RunOf(assessed, kDay, 12 * 60)).ok());
  MatchTable after_kick_off = assessed;
  after_kick_off[0].over = "1.20";
  ASSERT_TRUE(store_.SaveRun(RunOf(after_kick_off, kDay, 19 * 60)).ok());
  store_.SettleFromTeamPage("Beta", "x\r\n12.05.2024>>Alpha>>League>>3:0>>\r\n", "t", 7);

  const auto bets = store_.MarkedBets(30, Date{2024, 5, 20});
  ASSERT_EQ(bets.size(), 2u);  // Step1 green and the value mark, both on over
  EXPECT_EQ(bets[0].mark, kStep1Green);
  EXPECT_EQ(bets[1].mark, kValueOver);
  for (const MarkedBet& bet : bets) {
    EXPECT_EQ(bet.side, OddsSide::kOver);
    EXPECT_EQ(bet.home, "Alpha");
    EXPECT_EQ(bet.home_goals, 3);
    EXPECT_EQ(bet.away_goals, 0);
    EXPECT_DOUBLE_EQ(bet.first.price, 1.85);
    EXPECT_EQ(bet.first.stamp, "2024-05-12 10:00");
    EXPECT_DOUBLE_EQ(bet.last.price, 1.80);  // not the price after kick-off
    EXPECT_DOUBLE_EQ(bet.last.line, 2.5);
    EXPECT_EQ(bet.fair_chance, 0.53);
    EXPECT_EQ(bet.model_chance, 0.62);
  }
  EXPECT_TRUE(store_.MarkedBets(7, Date{2024, 5, 20}).empty());
}

}  // namespace
}  // namespace kavero::history
