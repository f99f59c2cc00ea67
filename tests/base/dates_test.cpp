// The bookmaker's dates read, dates written in the user's pattern and read back.
#include "base/dates.h"

#include <gtest/gtest.h>

#include <optional>

namespace kavero {
namespace {

TEST(ParseDayMonthYear, ReadsRealDatesOnly) {
  const struct {
    const char* text;
    std::optional<Date> date;
  } cases[] = {
      {"05.03.2024", Date{2024, 3, 5}},
      {"5.3.2024", Date{2024, 3, 5}},
      {"31.12.99", Date{2099, 12, 31}},  // two-digit years are this century's
      {"29.02.2024", Date{2024, 2, 29}},
      {"29.02.2000", Date{2000, 2, 29}},
      {"29.02.2023", std::nullopt},
      {"29.02.1900", std::nullopt},
      {"31.04.2024", std::nullopt},
      {"00.01.2024", std::nullopt},
      {"01.13.2024", std::nullopt},
      {"01.01.0000", std::nullopt},
      {"01.01.024", std::nullopt},  // three-digit year
      {"001.01.2024", std::nullopt},
      {"01.01.20245", std::nullopt},
      {"01.01", std::nullopt},
      {"01.01.2024.", std::nullopt},
      {"01..2024", std::nullopt},
      {" 1.01.2024", std::nullopt},
      {"01.01.2024 ", std::nullopt},
      {"+1.01.2024", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const auto date = ParseDayMonthYear(c.text);
    ASSERT_EQ(date.has_value(), c.date.has_value());
    if (!date) continue;
    EXPECT_EQ(date->year, c.date->year);
    EXPECT_EQ(date->month, c.date->month);
    EXPECT_EQ(date->day, c.date->day);
  }
}

TEST(FormatDate, WritesTheNumericPartsOfAQtPattern) {
  const Date date{2024, 3, 5};
  const struct {
    const char* pattern;
    const char* text;
  } cases[] = {
      {"dd.MM.yyyy", "05.03.2024"},
      {"d.M.yy", "5.3.24"},
      {"yyyy-MM-dd", "2024-03-05"},
      {"M/d/yyyy", "3/5/2024"},
      {"ddd", "05"},  // longer runs write the padded number
      {"yyy", "24"},  // three y's are two
      {"yyyyy", "2024"},
      {"dd 'de' MM", "05 de 03"},  // quoted text is copied
      {"dd''MM", "05'03"},         // '' is a quote
      {"'d' dd 'unclosed", "d 05 unclosed"},
      {"dd. MMM", "05. 03"},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatDate(date, c.pattern), c.text) << c.pattern;
  }
  EXPECT_EQ(FormatDate({2009, 11, 23}, "d.M.yy"), "23.11.09");
}


struct DateCase {
  const char* text;
  const char* pattern;
  const char* iso;  // "" when the text is no date of the pattern
};

class ParseDateCases : public ::testing::TestWithParam<DateCase> {};

TEST_P(ParseDateCases, ReadsWhatFormatDateWrites) {
  const auto date = ParseDate(GetParam().text, GetParam().pattern);
  EXPECT_EQ(date ? IsoDate(*date) : "", GetParam().iso);
  if (date) {
    EXPECT_EQ(FormatDate(*date, GetParam().pattern), GetParam().text);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, ParseDateCases,
    ::testing::Values(DateCase{"10.12.2026", "dd.MM.yyyy", "2026-12-10"},
                      DateCase{"12/10/26", "MM/dd/yy", "2026-12-10"},
                      DateCase{"1/5/2027", "M/d/yyyy", "2027-01-05"},
                      DateCase{"2026-02-28", "yyyy-MM-dd", "2026-02-28"},
                      DateCase{"d10 '12 2026", "'d'dd ''MM yyyy", "2026-12-10"},
                      DateCase{"29.02.2026", "dd.MM.yyyy", ""},
                      DateCase{"10.12.2026 ", "dd.MM.yyyy", ""},
                      DateCase{"10-12-2026", "dd.MM.yyyy", ""}, DateCase{"", "dd.MM.yyyy", ""}));

}  // namespace
}  // namespace kavero
