#include "base/scores.h"

#include <gtest/gtest.h>

namespace kavero {
namespace {

TEST(Scores, ScoreParts) {
  struct Case {
    const char* score;
    int part;
    int expected;
  };
  const Case cases[] = {
      {"2:1 (1:0)", 1, 2}, {"2:1 (1:0)", 2, 1}, {"2:1 (1:0)", 3, 1},  {"2:1 (1:0)", 4, 0},
      {"2:1 (1:0)", 0, 0}, {"2:1 (1:0)", 5, 0}, {"2:x (1:0)", 2, -1}, {"2:1", 1, 0},
      {"2:1", 2, 0},       {"21 (1:0)", 1, -1}, {"21 (1:0)", 2, 21},  {"2 :1 (0:0)", 1, -1},
      {"3:0 (1:0", 3, 0},  {"", 1, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ScorePart(c.score, c.part), c.expected) << c.score << " " << c.part;
}

TEST(Scores, DigitsToInt) {
  EXPECT_EQ(DigitsToInt(""), -1);
  EXPECT_EQ(DigitsToInt("-1"), -1);
  EXPECT_EQ(DigitsToInt("1 "), -1);
  EXPECT_EQ(DigitsToInt("007"), 7);
  EXPECT_EQ(DigitsToInt("2147483647"), 2147483647);
  EXPECT_EQ(DigitsToInt("2147483648"), -1);
  EXPECT_EQ(DigitsToInt("99999999999999999999999"), -1);
}

TEST(GoalTotal, AddsBothSidesOfTheScore) {
  const struct {
    std::string_view score;
    int total;
  } cases[] = {
      {"2:1", 3},
      {"0:0", 0},
      {":", -2},
      {"3", 2},
      {"-:-", -2},
      {" 2 : 1 ", 3},
      {"+1:1", 2},
      {"-1:0", -1},
      {"", -2},
      {"2:1:0", 1},
      {"a:1", 0},
      {"+-1:1", 0},
      {"99999999999999999999:1", 0},
      {"2147483647:2147483647", -1},
      // A side that fits a 32-bit integer reads as that integer; only a side
      // or a sum beyond it is no score.
      {"-2147483648:0", -2147483647 - 1},
      {"2147483647:0", 2147483647},
      {"-2147483649:0", -1},
      {"2147483648:0", -1},
      {"-2147483648:-1", -1},
      {"-0:0", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GoalTotal(c.score), c.total) << '"' << c.score << '"';
  }
}

}  // namespace
}  // namespace kavero
