#include "backtest/backtest_report.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kavero {
namespace {

TEST(MarkRecord, WilsonIntervalOfHandComputedShares) {
  const struct {
    int won, bets;
    double low, high;
  } cases[] = {{5, 10, 0.2366, 0.7634}, {0, 10, 0.0, 0.2775}, {57, 100, 0.4722, 0.6627}};
  for (const auto& c : cases) {
    const Interval interval = WilsonInterval(c.won, c.bets);
    EXPECT_NEAR(interval.low, c.low, 5e-5) << c.won;
    EXPECT_NEAR(interval.high, c.high, 5e-5) << c.won;
  }
}

TEST(MarkRecord, SummarisesBetsReturnAndItsInterval) {
  // Profits 1, -1, 2, -1, 0: mean 0.2, sample deviation sqrt(6.8 / 4).
  const Bet bets[] = {{BetSide::kOver, BetOutcome::kWon, 2.0, 0.5},
                      {BetSide::kOver, BetOutcome::kLost, 2.0, 0.5},
                      {BetSide::kUnder, BetOutcome::kWon, 3.0, 0.3},
                      {BetSide::kUnder, BetOutcome::kLost, 1.5, 0.6},
                      {BetSide::kOver, BetOutcome::kPushed, 1.9, 0.6}};
  const MarkRecord record = SummariseBets(bets);
  EXPECT_EQ(record.bets, 5);
  EXPECT_EQ(record.won, 2);
  EXPECT_DOUBLE_EQ(record.won_share, 0.4);
  EXPECT_DOUBLE_EQ(record.fair_mean, 0.5);
  EXPECT_DOUBLE_EQ(record.return_mean, 0.2);
  const double half = 1.959963984540054 * std::sqrt(6.8 / 4 / 5);
  EXPECT_NEAR(record.return_interval.low, 0.2 - half, 1e-12);
  EXPECT_NEAR(record.return_interval.high, 0.2 + half, 1e-12);
  EXPECT_EQ(SummariseBets({}).bets, 0);
}

TEST(BacktestReport, CalibratesInFivePointBuckets) {
  const std::vector<double> chances = {0.32, 0.33, 0.34, 0.71, 1.0};
  const std::vector<bool> happened = {true, false, false, true, true};
  const auto buckets = Calibrate(chances, happened);
  ASSERT_EQ(buckets.size(), 3u);
  EXPECT_DOUBLE_EQ(buckets[0].from, 0.30);
  EXPECT_DOUBLE_EQ(buckets[0].to, 0.35);
  EXPECT_EQ(buckets[0].matches, 3);
  EXPECT_DOUBLE_EQ(buckets[0].predicted, 0.33);
  EXPECT_DOUBLE_EQ(buckets[0].observed, 1.0 / 3);
  EXPECT_EQ(buckets[1].matches, 1);
  EXPECT_DOUBLE_EQ(buckets[1].from, 0.70);
  EXPECT_DOUBLE_EQ(buckets[2].from, 0.95);  // a certainty goes into the top bucket
}

TEST(BacktestReport, ScoresBrierAndLogLoss) {
  const Scores scores = Score({0.8, 0.4}, {true, false});
  EXPECT_DOUBLE_EQ(scores.brier, (0.04 + 0.16) / 2);
  EXPECT_DOUBLE_EQ(scores.log_loss, -(std::log(0.8) + std::log(0.6)) / 2);
  EXPECT_TRUE(std::isfinite(Score({0.0}, {true}).log_loss));
}

}  // namespace
}  // namespace kavero
