#include "results/date_filter.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kavero {
namespace {

MatchRow Row(std::string date, double step1 = 0, double step2 = 0) {
  MatchRow row;
  row.date = std::move(date);
  row.step1 = step1;
  row.step2 = step2;
  return row;
}

TEST(CollectDates, ListsEachDateOnceInOrderOfFirstAppearance) {
  struct Case {
    std::vector<std::string> dates;
    std::string expected;
  };
  const Case cases[] = {
      {{"A", "B", "A", "C"}, "A\r\nB\r\nC\r\n"},
      {{}, ""},
      {{"", "x", ""}, "\r\nx\r\n"},
      {{"a", "A"}, "a\r\nA\r\n"},
      {{"01.02.2024", "01.02.2024 "}, "01.02.2024\r\n01.02.2024 \r\n"},
  };
  for (const auto& c : cases) {
    MatchTable table;
    for (const auto& date : c.dates) table.push_back(Row(date));
    EXPECT_EQ(CollectDates(table), c.expected) << ::testing::PrintToString(c.dates);
  }
}

TEST(RowsOfDate, CopiesMatchingRowsWithWholeStepsAndNoColours) {
  MatchRow full = Row("A", 3.5, 4.5);
  full.flag = 7;
  full.championship = "League";
  full.time = "18:00";
  full.home = "Home";
  full.away = "Away";
  full.total = "2.5";
  full.under = "1.85";
  full.over = "1.95";
  full.url = "/stat/1";
  full.step1_colour = CellColour::kGreen;
  full.step2_colour = CellColour::kRed;
  full.goals_model.emplace().total_goals = 2.75;
  const MatchTable table = {full, Row("B", 9, 9), Row("A", -0.25, 1.75), Row("a", 2.5, 2.5),
                            Row("A", 2.5, -3.5)};

  const MatchTable rows = RowsOfDate(table, "A");
  ASSERT_EQ(rows.size(), 3u);
  const MatchRow& copy = rows[0];
  EXPECT_EQ(copy.flag, 7);
  EXPECT_EQ(copy.championship, "League");
  for (int column = 1; column <= 8; ++column) {
    EXPECT_EQ(*TextCell(copy, column), *TextCell(full, column)) << column;
  }
  EXPECT_EQ(copy.step1_colour, CellColour::kNone);
  EXPECT_EQ(copy.step2_colour, CellColour::kNone);
  ASSERT_TRUE(copy.goals_model);  // the same match, read once
  EXPECT_EQ(copy.goals_model->total_goals, 2.75);
  EXPECT_FALSE(rows[1].goals_model);

  struct Steps {
    double step1, step2;
  };
  const Steps expected[] = {{4, 4}, {0, 2}, {2, -4}};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].step1, expected[i].step1) << i;
    EXPECT_EQ(rows[i].step2, expected[i].step2) << i;
  }
  // -0.25 rounds to zero, never to a minus zero that would print as "-0".
  EXPECT_FALSE(std::signbit(rows[1].step1));
}

TEST(RowsOfDate, NothingChosenOrNothingMatchingGivesNoRows) {
  const MatchTable table = {Row("A"), Row("B")};
  EXPECT_TRUE(RowsOfDate(table, "").empty());
  EXPECT_TRUE(RowsOfDate(table, "C").empty());
  EXPECT_TRUE(RowsOfDate({}, "A").empty());
  EXPECT_EQ(RowsOfDate({Row(""), Row("A")}, "").size(), 1u);
}

}  // namespace
}  // namespace kavero
