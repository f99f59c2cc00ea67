#include "results/general_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace kavero {
namespace {

TEST(FormatGeneral, WritesNumbersInTheGeneralFormat) {
  struct Case {
    double value;
    char separator;
    std::string text;
  };
  const double infinity = std::numeric_limits<double>::infinity();
  const Case cases[] = {
      {0, ',', "0"},
      {-0.0, ',', "0"},
      {2, ',', "2"},
      {100, '.', "100"},
      {2.25, ',', "2,25"},
      {2.25, '.', "2.25"},
      {-2.5, ',', "-2,5"},
      {12.3, '.', "12.3"},
      {0.1 + 0.2, '.', "0.3"},
      {1.0 / 3, '.', "0.333333333333333"},
      {2.0 / 3, ',', "0,666666666666667"},
      {0.00001, '.', "0.00001"},
      {0.000012345, '.', "0.000012345"},
      {1e-6, '.', "1E-6"},
      {-1e-6, '.', "-1E-6"},
      {1.5e-7, ',', "1,5E-7"},
      {123456789012345, '.', "123456789012345"},
      {1e15, '.', "1E15"},
      {999999999999999.9, '.', "1E15"},
      {1e20, '.', "1E20"},
      {1.5e20, ',', "1,5E20"},
      {-1.5e20, '.', "-1.5E20"},
      {std::numeric_limits<double>::quiet_NaN(), '.', "NAN"},
      {infinity, '.', "INF"},
      {-infinity, '.', "-INF"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatGeneral(c.value, c.separator), c.text) << c.text;
  }
}

}  // namespace
}  // namespace kavero
