// The marks' record at the user's bookmaker on a hand-made list of settled bets.
#include "backtest/marks_record.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace kavero {
namespace {

using history::MarkedBet;
using history::OddsSide;

MarkedBet Bet(history::Mark mark, OddsSide side, int home, int away, history::PriceSeen first,
              history::PriceSeen last, std::optional<double> fair) {
  MarkedBet bet;
  bet.mark = mark;
  bet.side = side;
  bet.home_goals = home;
  bet.away_goals = away;
  bet.first = std::move(first);
  bet.last = std::move(last);
  bet.fair_chance = fair;
  return bet;
}

TEST(MarksRecordTest, JoinsEachMarksBetsIntoItsRow) {
  const std::vector<MarkedBet> bets = {
      // Over won at both prices; the price shortened: towards the mark.
      Bet(history::kStep1Green, OddsSide::kOver, 2, 1, {"", 2.5, 2.00}, {"", 2.5, 1.80}, 0.5),
      // Lost; the price drifted away.
      Bet(history::kStep1Green, OddsSide::kOver, 1, 0, {"", 2.5, 2.10}, {"", 2.5, 2.20}, 0.4),
      // Two goals: a push on 2.0, lost on 2.5; the total rose: towards over.
      Bet(history::kStep1Green, OddsSide::kOver, 1, 1, {"", 2.0, 1.90}, {"", 2.5, 2.50}, {}),
      // The value mark on the under side: its fair chance is 1 - the over's.
      Bet(history::kValueUnder, OddsSide::kUnder, 0, 0, {"", 2.5, 1.70}, {"", 2.5, 1.60}, 0.6),
  };
  const auto rows = SummariseMarks(bets);

  const MarkRecordSummary& green = rows[0];
  EXPECT_EQ(green.row, MarkRow::kStep1Green);
  EXPECT_EQ(green.matches, 3);
  EXPECT_EQ(green.overs, 1);
  EXPECT_DOUBLE_EQ(green.over_share, 1.0 / 3);
  EXPECT_DOUBLE_EQ(green.over_interval.low, WilsonInterval(1, 3).low);
  ASSERT_TRUE(green.implied_over);
  EXPECT_DOUBLE_EQ(*green.implied_over, 0.45);
  EXPECT_EQ(green.at_first.won, 1);
  EXPECT_NEAR(green.at_first.return_mean, (1.0 - 1 + 0) / 3, 1e-12);
  EXPECT_NEAR(green.at_last.return_mean, (0.8 - 1 - 1) / 3, 1e-12);
  EXPECT_EQ(green.moved_towards, 2);
  EXPECT_DOUBLE_EQ(green.moved_towards_share, 2.0 / 3);

  const MarkRecordSummary& value = rows[4];
  EXPECT_EQ(value.row, MarkRow::kValue);
  EXPECT_EQ(value.matches, 1);
  EXPECT_EQ(value.overs, 0);
  EXPECT_NEAR(*value.implied_over, 0.4, 1e-12);
  EXPECT_NEAR(value.at_first.return_mean, 0.7, 1e-12);
  EXPECT_NEAR(value.at_last.return_mean, 0.6, 1e-12);
  EXPECT_EQ(value.moved_towards, 1);

  for (const int empty : {1, 2, 3}) {
    EXPECT_EQ(rows[empty].matches, 0);
    EXPECT_FALSE(rows[empty].implied_over);
    EXPECT_EQ(rows[empty].at_first.bets, 0);
  }
}

}  // namespace
}  // namespace kavero
