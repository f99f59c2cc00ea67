#include "stats/indicator_rules.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kavero {
namespace {

TEST(IndicatorRounding, LabelsAndStoredValues) {
  const struct {
    double value;
    const char* label;  // after a click
    double clicked;     // stored after a click
    double recomputed;  // stored by a recomputation
  } cases[] = {
      {12.34375, "12.30", 12.3, 12.34},
      {1.25, "1.25", 1.25, 1.25},
      {10, "10.00", 10, 10},
      {0, "0.00", 0, 0},
      {-12.34375, "-12.30", -12.3, -12.34},
      {12.25, "12.30", 12.3, 12.25},  // exact half at the third digit: away from zero
      {-12.25, "-12.30", -12.3, -12.25},
      {0.125, "0.13", 0.13, 0.13},  // exact half at the second decimal
      {-0.125, "-0.13", -0.13, -0.13},
      {2.675, "2.67", 2.67, 2.67},    // the double lies just below 2.675
      {1.005, "1.00", 1, 1},          // and just below 1.005
      {99.95, "100.00", 100, 99.95},  // just above 99.95: the carry adds a digit
      {9.995, "9.99", 9.99, 9.99},    // just below
      {123.456, "123.00", 123, 123.46},
      {-0.001, "0.00", 0, 0},  // no "-0.00"
      {-0.0, "0.00", 0, 0},
      {12345678901.5, "12300000000.00", 12300000000, 12345678900},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(FormatClickLabel(c.value, '.'), c.label);
    EXPECT_EQ(RoundToLabel(c.value), c.clicked);
    EXPECT_EQ(RoundTwoDecimals(c.value), c.recomputed);
  }
  EXPECT_EQ(FormatClickLabel(2.5, ','), "2,50");
  EXPECT_FALSE(std::signbit(RoundToLabel(-0.001)));
}

TEST(IndicatorColours, ThresholdsAtTheirEdges) {
  using enum CellColour;
  const struct {
    double step1, step2;
    CellColour colour1, colour2;
  } cases[] = {
      {-5, 2, kRed, kRed},           {5, 2.7, kGreen, kGreen},
      {-4.75, 2.6875, kNone, kNone}, {4.75, 2.71875, kNone, kGreen},
      {0, 0, kNone, kRed},           {-10, 10, kRed, kGreen},
  };
  for (const auto& c : cases) {
    MatchRow row;
    ApplyStepColours(row, c.step1, c.step2);
    EXPECT_EQ(row.step1_colour, c.colour1) << c.step1;
    EXPECT_EQ(row.step2_colour, c.colour2) << c.step2;
  }
}

TEST(IndicatorColours, ValueBetweenTheBoundsKeepsTheColour) {
  MatchRow row;
  ApplyStepColours(row, 5, 2);
  ApplyStepColours(row, 0, 2.5);
  EXPECT_EQ(row.step1_colour, CellColour::kGreen);
  EXPECT_EQ(row.step2_colour, CellColour::kRed);
  ApplyStepColours(row, -6, 3);
  EXPECT_EQ(row.step1_colour, CellColour::kRed);
  EXPECT_EQ(row.step2_colour, CellColour::kGreen);
}

TEST(TranslateHistory, TranslatesBothNamesOfEveryGrid) {
  MatchStats stats;
  stats.home_recent = {{"01.01.2011", "Спартак - Зенит", "2:1"}};
  stats.away_recent = {{"02.01.2011", "Team", "0:0"}, {"03.01.2011", "A - B - C", "1:1"}};
  stats.meetings = {{"04.01.2011", " - ", "1:0"}};
  std::vector<std::string> asked;
  TranslateHistory(stats, [&](std::string_view team) {
    asked.emplace_back(team);
    return "[" + std::string(team) + "]";
  });
  EXPECT_EQ(stats.home_recent[0].match, "[Спартак] - [Зенит]");
  EXPECT_EQ(stats.away_recent[0].match, "[] - [am]");  // no " - ": from the third character on
  EXPECT_EQ(stats.away_recent[1].match, "[A] - [B - C]");
  EXPECT_EQ(stats.meetings[0].match, "[] - []");
  EXPECT_EQ(stats.away_recent[0].date, "02.01.2011");
  EXPECT_EQ(stats.away_recent[0].score, "0:0");
  EXPECT_EQ(asked.size(), 8u);
}

}  // namespace
}  // namespace kavero
