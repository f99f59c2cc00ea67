#include "stats/goals_model.h"
#include "base/scores.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

namespace kavero {
namespace {

constexpr double kTolerance = 5e-6;

LeagueRow Row(std::string games, std::string goals) {
  LeagueRow row;
  row.cells = {"1", "Team", std::move(games), "0", "0", "0", std::move(goals), "0"};
  return row;
}

// Team rows whose matches average `mean` / 2 goals a side: the match is Poisson(mean).
LeagueRow EvenRow(int mean) {
  return Row("10", std::to_string(5 * mean) + "-" + std::to_string(5 * mean));
}

// Poisson(2): P(0) = 0.135335, P(1) = P(2) = 0.270671, P(3) = 0.180447;
// P(<=1) = 0.406006, P(<=2) = 0.676676, P(>=3) = 0.323324, P(>=4) = 0.142877.
// Poisson(3): P(<=2) = 0.423190.
struct SettlementCase {
  double mean, line;
  double under_win, over_win, push;
};

TEST(SettleTotal, WholeHalfAndQuarterLines) {
  const SettlementCase cases[] = {
      // Whole line: 2 goals return both stakes.
      {2, 2, 0.406006, 0.323324, 0.270671},
      // Half on 2 and half on 2.5: under wins (0.406006 + 0.676676) / 2, a half push on 2.
      {2, 2.25, 0.541341, 0.323324, 0.135335},
      {2, 2.5, 0.676676, 0.323324, 0},
      // Half on 2.5 and half on 3: over wins (0.323324 + 0.142877) / 2.
      {2, 2.75, 0.676676, 0.233100, 0.090224},
      {2, 3, 0.676676, 0.142877, 0.180447},
      {3, 2.5, 0.423190, 0.576810, 0},
  };
  for (const SettlementCase& c : cases) {
    SCOPED_TRACE(c.line);
    const Settlement settled = SettleTotal(c.mean, c.line);
    EXPECT_NEAR(settled.under_win, c.under_win, kTolerance);
    EXPECT_NEAR(settled.over_win, c.over_win, kTolerance);
    EXPECT_NEAR(settled.push, c.push, kTolerance);
  }
}

// The market's fair chance of over stretched in log-odds: logit(p) = 0.011 + 1.157 logit(fair).
TEST(CalibratedChance, StretchesTheFairChanceAtBothEnds) {
  EXPECT_NEAR(CalibratedChance(0.5), 0.502750, kTolerance);
  EXPECT_NEAR(CalibratedChance(0.6), 0.617777, kTolerance);
  EXPECT_LT(CalibratedChance(0.3), 0.3);
  EXPECT_GT(CalibratedChance(0.7), 0.7);
  EXPECT_GT(CalibratedChance(0), 0);
  EXPECT_LT(CalibratedChance(1), 1);
}

// Expected values computed independently: the fair chance of over the line
// recalibrated, the Poisson mean at which over takes that share of the decided
// outcomes, and the line settled at that mean.
struct ModelCase {
  const char* line;
  const char* under;
  const char* over;
  double mean, under_win, over_win, push, under_return, over_return;
};

class ModelTable : public ::testing::TestWithParam<ModelCase> {};

TEST_P(ModelTable, ChancesPushesReturnsAndEdges) {
  const ModelCase& c = GetParam();
  const auto model = ComputeGoalsModel(EvenRow(2), EvenRow(2), c.line, c.under, c.over);
  ASSERT_TRUE(model);
  EXPECT_NEAR(model->total_goals, c.mean, kTolerance);
  EXPECT_NEAR(model->under.win, c.under_win, kTolerance);
  EXPECT_NEAR(model->over.win, c.over_win, kTolerance);
  EXPECT_NEAR(model->under.push, c.push, kTolerance);
  EXPECT_NEAR(model->over.push, c.push, kTolerance);
  EXPECT_NEAR(model->under.expected_return, c.under_return, kTolerance);
  EXPECT_NEAR(model->over.expected_return, c.over_return, kTolerance);
  EXPECT_NEAR(model->under.edge, c.under_return - 1, kTolerance);
  EXPECT_NEAR(model->over.edge, c.over_return - 1, kTolerance);
}

INSTANTIATE_TEST_SUITE_P(Lines, ModelTable,
                         ::testing::Values(ModelCase{"2.5", "1.90", "1.90", 2.685228, 0.497250,
                                                     0.502750, 0, 0.944775, 0.955225},
                                           ModelCase{"2,5", "2.40", "1.60", 3.188910, 0.382223,
                                                     0.617777, 0, 0.917335, 0.988443},
                                           ModelCase{"3", "1.80", "2.10", 3.012608, 0.420371,
                                                     0.355593, 0.224036, 0.980704, 0.970781},
                                           ModelCase{"2.25", "1.80", "2.10", 2.274944, 0.469684,
                                                     0.397306, 0.133010, 0.978441, 0.967353},
                                           ModelCase{"2.75", "2.05", "1.85", 3.035732, 0.415233,
                                                     0.472770, 0.111997, 0.963224, 0.986622}));

TEST(GoalsModel, LeagueRowsOnlyDecideWhetherThereIsAModel) {
  const auto even = ComputeGoalsModel(EvenRow(2), EvenRow(2), "2.5", "1.80", "2.10");
  const auto lopsided =
      ComputeGoalsModel(Row("10", "40-5"), Row(" 5 ", "1 - 12"), "2.5", "1.80", "2.10");
  ASSERT_TRUE(even && lopsided);
  EXPECT_EQ(even->total_goals, lopsided->total_goals);
  EXPECT_EQ(even->over.win, lopsided->over.win);
}

// The recalibration moves a chance by a few points at most: only prices that
// leave the bookmaker no margin can be marked.
TEST(GoalsModel, OnlyAPriceWithoutMarginIsMarked) {
  struct Case {
    const char* line;
    const char* under;
    const char* over;
    bool marked;
  };
  const Case cases[] = {
      {"2.5", "1.90", "1.90", false}, {"2.5", "2", "2", false},     {"2.5", "3.85", "1.35", false},
      {"3.5", "1.35", "3.85", false}, {"3", "1.30", "4.60", false}, {"2.5", "5.50", "1.25", true},
  };
  for (const Case& c : cases) {
    const auto model = ComputeGoalsModel(EvenRow(2), EvenRow(2), c.line, c.under, c.over);
    ASSERT_TRUE(model);
    EXPECT_EQ(std::max(model->under.edge, model->over.edge) >= kMarkedEdge, c.marked)
        << c.line << " " << c.under << " " << c.over;
  }
}

struct MarginCase {
  const char* under;
  const char* over;
  double margin, fair_under;
};

TEST(GoalsModel, MarketChancesDropTheMarginProportionally) {
  const MarginCase cases[] = {
      {"1.90", "1.90", 2 / 1.9 - 1, 0.5},
      {"1.80", "2.10", 1 / 1.8 + 1 / 2.1 - 1, (1 / 1.8) / (1 / 1.8 + 1 / 2.1)},
      {"2", "2", 0, 0.5},
      {"1,5", "2.6", 1 / 1.5 + 1 / 2.6 - 1, (1 / 1.5) / (1 / 1.5 + 1 / 2.6)},
  };
  for (const MarginCase& c : cases) {
    SCOPED_TRACE(std::string(c.under) + " / " + c.over);
    const auto model = ComputeGoalsModel(EvenRow(2), EvenRow(2), "2.5", c.under, c.over);
    ASSERT_TRUE(model);
    EXPECT_NEAR(model->margin, c.margin, 1e-12);
    EXPECT_NEAR(model->under.fair, c.fair_under, 1e-12);
    EXPECT_NEAR(model->under.fair + model->over.fair, 1, 1e-12);
  }
  // 1.90 each way is 5.26 % margin and 50 % a side.
  const auto even = ComputeGoalsModel(EvenRow(2), EvenRow(2), "2.5", "1.90", "1.90");
  EXPECT_NEAR(even->margin, 0.052632, kTolerance);
}

TEST(GoalsModel, NoModelWithoutRowsGamesOrReadableNumbers) {
  const LeagueRow good = EvenRow(2);
  const LeagueRow missing = Row("0", "0-0");  // the record of a team without a row
  struct Case {
    const char* name;
    LeagueRow home, away;
    const char* total;
    const char* under;
    const char* over;
  };
  const Case cases[] = {
      {"home has no row", missing, good, "2.5", "1.9", "1.9"},
      {"away has no row", good, missing, "2.5", "1.9", "1.9"},
      {"empty row", good, LeagueRow{}, "2.5", "1.9", "1.9"},
      {"goals not a pair", good, Row("10", "20"), "2.5", "1.9", "1.9"},
      {"goals not numbers", good, Row("10", "a-b"), "2.5", "1.9", "1.9"},
      {"games not a number", Row("x", "10-10"), good, "2.5", "1.9", "1.9"},
      {"empty total", good, good, "", "1.9", "1.9"},
      {"total with text", good, good, "2.5a", "1.9", "1.9"},
      {"total off the quarter grid", good, good, "2.4", "1.9", "1.9"},
      {"negative total", good, good, "-0.5", "1.9", "1.9"},
      {"total with two commas", good, good, "2,5,", "1.9", "1.9"},
      {"under missing", good, good, "2.5", "", "1.9"},
      {"over a dash", good, good, "2.5", "1.9", "-"},
      {"odds of 1", good, good, "2.5", "1", "1.9"},
      {"odds not finite", good, good, "2.5", "1.9", "inf"},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(ComputeGoalsModel(c.home, c.away, c.total, c.under, c.over)) << c.name;
  }
}

TEST(ReadDecimal, TakesAPointOrACommaAndNothingElse) {
  EXPECT_EQ(ReadDecimal("2.5"), 2.5);
  EXPECT_EQ(ReadDecimal(" 2,25 "), 2.25);
  EXPECT_EQ(ReadDecimal("3"), 3);
  EXPECT_FALSE(ReadDecimal(""));
  EXPECT_FALSE(ReadDecimal("2 5"));
  EXPECT_FALSE(ReadDecimal("nan"));
}

}  // namespace
}  // namespace kavero
