#include "history/line_movement.h"

#include <gtest/gtest.h>

namespace kavero::history {
namespace {

TEST(MovementHintTest, SaysWhereTheOddsStoodAndHowFarTheyMoved) {
  const LineMovement moved{{"10:02", "2.5", "1.95", "1.85"}, {"12:30", "2.5", "1.80", "2.00"}};
  const LineMovement new_total{{"10:02", "2.5", "1.95", "1.85"}, {"12:30", "3", "1.70", "2.10"}};
  struct Case {
    const LineMovement* movement;
    OddsSide side;
    Language language;
    char separator;
    std::string hint;
  };
  const Case cases[] = {
      {&moved, OddsSide::kUnder, Language::kEnglish, '.',
       "1.95 at 10:02 \u2192 1.80 now, \u22127.7 %"},
      {&moved, OddsSide::kOver, Language::kEnglish, ',', "1.85 at 10:02 \u2192 2.00 now, +8,1 %"},
      {&moved, OddsSide::kUnder, Language::kRussian, '.',
       "1.95 \u0432 10:02 \u2192 1.80 \u0441\u0435\u0439\u0447\u0430\u0441, \u22127.7 %"},
      {&new_total, OddsSide::kOver, Language::kEnglish, '.',
       "1.85 (2.5) at 10:02 \u2192 2.10 (3) now, +13.5 %"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MovementHint(*c.movement, c.side, c.language, c.separator), c.hint);
  }
  const LineMovement still{{"10:02", "2.5", "1.95", "1.85"}, {"12:30", "2.5", "1.95", "1.85"}};
  EXPECT_FALSE(still.Moved());
  EXPECT_EQ(MovementHint(still, OddsSide::kUnder, Language::kEnglish, '.'), "");
}

}  // namespace
}  // namespace kavero::history
