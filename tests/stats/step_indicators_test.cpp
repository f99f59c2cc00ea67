#include "stats/step_indicators.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>

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

// The first `count` rows of `table`, then rows that would change both
// indicators were they counted.
HistoryTable Taking(const HistoryTable& table, std::size_t count) {
  HistoryTable rows(table.begin(),
                    table.begin() + static_cast<std::ptrdiff_t>(std::min(count, table.size())));
  while (rows.size() < count) rows.push_back({"01.01.2011", "X - A", "9:9 (5:5)"});
  return rows;
}

TEST(StepIndicators, TakeTheFirstFourRowsOfEachSideOrGiveZero) {
  const struct {
    std::size_t first, second;
    double step1, step2;
  } cases[] = {
      {4, 4, 2.5, 1.78125}, {5, 5, 2.5, 1.78125}, {4, 9, 2.5, 1.78125}, {9, 4, 2.5, 1.78125},
      {3, 4, 0, 0},         {4, 3, 0, 0},         {3, 9, 0, 0},         {0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.first << " and " << c.second << " rows");
    const HistoryTable first = Taking(kFirst, c.first);
    const HistoryTable second = Taking(kSecond, c.second);
    EXPECT_EQ(ComputeStep1(first, second), c.step1);
    EXPECT_EQ(ComputeStep2(first, second, "A", "B"), c.step2);
  }
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
