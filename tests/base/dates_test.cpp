#include "base/dates.h"

#include <gtest/gtest.h>

namespace kavero {
namespace {

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
