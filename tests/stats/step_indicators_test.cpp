#include "stats/step_indicators.h"

#include <gtest/gtest.h>

namespace kavero {
namespace {

HistoryTable Table(std::initializer_list<std::pair<const char*, const char*>> matches_and_scores) {
  HistoryTable table;
  for (auto [match, score] : matches_and_scores) table.push_back({"01.01.2011", match, score});
  return table;
}

// The worked example: A's four matches, then B's.
const HistoryTable kFirst = Table({{"A - X", "2:1 (1:0)"},
                                   {"Y - A", "0:0 (0:0)"},
                                   {"A - Z", "1:1 (0:1)"},
                                   {"W - A", "3:0 (1:0)"}});
const HistoryTable kSecond = Table({{"B - X", "1:2 (0:1)"},
                                    {"Y - B", "2:2 (1:1)"},
                                    {"B - Z", "0:1 (0:0)"},
                                    {"W - B", "4:1 (2:0)"}});

TEST(StepIndicators, WorkedExample) {
  EXPECT_EQ(ComputeStep1(kFirst, kSecond), 2.5);
  EXPECT_EQ(ComputeStep2(kFirst, kSecond, "A", "B"), 1.78125);
  // Names found nowhere: every match counts as played at home.
  EXPECT_EQ(ComputeStep2(kFirst, kSecond, "Q", "R"), 1.96875);
}

TEST(StepIndicators, FewerThanFourRowsOnEitherSideGiveZero) {
  const HistoryTable three(kFirst.begin(), kFirst.begin() + 3);
  for (const auto& [first, second] : {std::pair{three, kSecond}, std::pair{kFirst, three},
                                      std::pair{HistoryTable{}, HistoryTable{}}}) {
    EXPECT_EQ(ComputeStep1(first, second), 0);
    EXPECT_EQ(ComputeStep2(first, second, "A", "B"), 0);
  }
}

TEST(StepIndicators, RowsAfterTheFourthAreIgnored) {
  auto first = kFirst;
  auto second = kSecond;
  first.push_back({"01.01.2011", "X - A", "9:9 (5:5)"});
  second.push_back({"01.01.2011", "B - X", "0:0 (0:0)"});
  EXPECT_EQ(ComputeStep1(first, second), 2.5);
  EXPECT_EQ(ComputeStep2(first, second, "A", "B"), 1.78125);
}

TEST(StepIndicators, NamePositionDecidesHomeOrAway) {
  // One 1:0 match among three goalless ones: as home side it weighs 1.5 x 1
  // scored, as away side 1 x 1 conceded.
  const auto home = 1.5 / 4 / 4;
  const auto away = 1.0 / 4 / 4;
  const struct {
    const char* match;
    double step2;
  } cases[] = {
      {"A - X", home}, {"_A - X", home}, {"__A - X", away},
      {"X - A", away}, {"X - Y", home},  {"AA - A", home},  // first occurrence decides
  };
  for (const auto& c : cases) {
    const auto first = Table({{c.match, "1:0 (1:0)"},
                              {"A - X", "0:0 (0:0)"},
                              {"A - X", "0:0 (0:0)"},
                              {"A - X", "0:0 (0:0)"}});
    const auto second = Table({{"B - X", "0:0 (0:0)"},
                               {"B - X", "0:0 (0:0)"},
                               {"B - X", "0:0 (0:0)"},
                               {"B - X", "0:0 (0:0)"}});
    EXPECT_EQ(ComputeStep2(first, second, "A", "B"), c.step2) << c.match;
  }
}

TEST(StepIndicators, ScoresWithoutHalfTimePartCountAsGoalless) {
  const auto plain =
      Table({{"A - X", "3:2"}, {"A - X", "4:4"}, {"A - X", "2:1"}, {"A - X", "5:0"}});
  EXPECT_EQ(ComputeStep1(plain, plain), -10);
  EXPECT_EQ(ComputeStep2(plain, plain, "A", "A"), 0);
}

TEST(StepIndicators, AbsurdScoresDoNotOverflow) {
  const auto huge = Table({{"A - X", "2147483647:2147483647 (0:0)"},
                           {"A - X", "0:0 (0:0)"},
                           {"A - X", "0:0 (0:0)"},
                           {"A - X", "0:0 (0:0)"}});
  // Many goals with both sides scoring, three goalless matches, then B's 2.5.
  EXPECT_EQ(ComputeStep1(huge, kSecond), 1.25 - 3 * 1.25 + 2.5);
}

}  // namespace
}  // namespace kavero
