#include "line/flag_stems.h"

#include <gtest/gtest.h>

#include "base/cp1251_literal.h"

namespace kavero {
namespace {

TEST(FlagStems, FlagIndexTakesTheLowestMatchingStem) {
  const auto& stems = FlagStems();
  ASSERT_EQ(stems.size(), 147u);
  EXPECT_EQ(stems[0], "");
  EXPECT_EQ(FlagIndex("Англия. Премьер-лига"_w1251, stems), 30);
  EXPECT_EQ(FlagIndex("Австрия. Бундеслига"_w1251, stems), 7);
  EXPECT_EQ(FlagIndex("Австралия. А-Лига"_w1251, stems), 6);
  EXPECT_EQ(FlagIndex("Европа. Лига Чемпионов"_w1251, stems), 33);
  EXPECT_EQ(FlagIndex("Нидерланды. Эредивизи"_w1251, stems), 0);
  EXPECT_EQ(FlagIndex("Южная Корея. К-Лига"_w1251, stems), 63);
  EXPECT_EQ(FlagIndex("Кубок Северной Ирландии"_w1251, stems), 54);
  EXPECT_EQ(FlagIndex("россия"_w1251, stems), 0);
  EXPECT_EQ(FlagIndex("Россия. Премьер-лига"_w1251, stems), 102);
  EXPECT_EQ(FlagIndex("США. MLS"_w1251, stems), 126);
}

}  // namespace
}  // namespace kavero
