#include "stats/goals_model.h"
#include "base/scores.h"

#include <gtest/gtest.h>

#include <string>

namespace kavero {
namespace {

constexpr double kTolerance = 5e-6;

LeagueRow Row(std::string games, std::string goals) {
  LeagueRow row;
  row.cells = {"1", "Team", games, "0", "0", "0", goals, "0"};
  return row;
}

// Team rows whose matches average `mean` / 2 goals a side: the match is Poisson(mean).
LeagueRow EvenRow(int mean) {
  return Row("10", std::to_string(5 * mean) + "-" + std::to_string(5 * mean));
}

TEST(GoalsModel, ExpectedGoalsMixEachAttackWithTheOtherDefence) {
  // Home scores 1.5 and concedes 1.0 a game; away scores 1.2 and concedes 0.8.
  const auto model =
      ComputeGoalsModel(Row("10", "15-10"), Row(" 5 ", "6 - 4"), "2.5", "1.90", "1.90");
  ASSERT_TRUE(model);
  EXPECT_NEAR(model->home_goals, (1.5 + 0.8) / 2, 1e-12);
  EXPECT_NEAR(model->away_goals, (1.2 + 1.0) / 2, 1e-12);
  EXPECT_NEAR(model->total_goals, 2.25, 1e-12);
}

// Poisson(2): P(0) = 0.135335, P(1) = P(2) = 0.270671, P(3) = 0.180447;
// P(<=1) = 0.406006, P(<=2) = 0.676676, P(>=3) = 0.323324, P(>=4) = 0.142877.
// Poisson(3): P(<=2) = 0.423190. Odds 1.80 under, 2.10 over.
struct LineCase {
  int mean;
  const char* line;
  double under_win, over_win, push;
  double under_return, over_return;
};

class LineTable : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineTable, ChancesPushesReturnsAndEdges) {
  const LineCase& c = GetParam();
  const auto model = ComputeGoalsModel(EvenRow(c.mean), EvenRow(c.mean), c.line, "1.80", "2.10");
  ASSERT_TRUE(model);
  EXPECT_NEAR(model->total_goals, c.mean, 1e-12);
  EXPECT_NEAR(model->under.win, c.under_win, kTolerance);
  EXPECT_NEAR(model->over.win, c.over_win, kTolerance);
  EXPECT_NEAR(model->under.push, c.push, kTolerance);
  EXPECT_NEAR(model->over.push, c.push, kTolerance);
  EXPECT_NEAR(model->under.expected_return, c.under_return, kTolerance);
  EXPECT_NEAR(model->over.expected_return, c.over_return, kTolerance);
  EXPECT_NEAR(model->under.edge, c.under_return - 1, kTolerance);
  EXPECT_NEAR(model->over.edge, c.over_return - 1, kTolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineTable,
    ::testing::Values(
        // Whole line: 2 goals return both stakes.
        LineCase{2, "2", 0.406006, 0.323324, 0.270671, 1.001481, 0.949650},
        // Half on 2 and half on 2.5: under wins (0.406006 + 0.676676) / 2, a half push on 2.
        LineCase{2, "2.25", 0.541341, 0.323324, 0.135335, 1.109749, 0.814315},
        LineCase{2, "2,5", 0.676676, 0.323324, 0, 1.218017, 0.678980},
        // Half on 2.5 and half on 3: over wins (0.323324 + 0.142877) / 2.
        LineCase{2, "2.75", 0.676676, 0.233100, 0.090224, 1.308241, 0.579734},
        LineCase{2, "3", 0.676676, 0.142877, 0.180447, 1.398465, 0.480488},
        LineCase{3, "2.5", 0.423190, 0.576810, 0, 0.761742, 1.211301}));

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
