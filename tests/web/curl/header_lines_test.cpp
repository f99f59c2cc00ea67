// The wait a Retry-After value asks for, read directly: the fetch tests keep
// one real wait end to end.
#include "web/curl/header_lines.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

namespace kavero {
namespace {

using std::chrono::seconds;

// Tue, 14 Nov 2023 22:13:20 GMT.
constexpr std::time_t kNow = 1'700'000'000;

TEST(RetryAfterOf, SecondsOrAnHttpDate) {
  const struct {
    const char* value;
    std::optional<seconds> wait;
  } cases[] = {
      {"0", seconds(0)},
      {"1", seconds(1)},
      {"30", seconds(30)},
      {"0031", seconds(31)},
      {"99999999999999999999999", seconds::max()},  // too long to hold: waits too long
      {"Tue, 14 Nov 2023 22:13:50 GMT", seconds(30)},
      {"Tuesday, 14-Nov-23 22:14:20 GMT", seconds(60)},  // the obsolete forms too
      {"Tue Nov 14 22:13:21 2023", seconds(1)},
      {"Tue, 14 Nov 2023 22:13:20 GMT", seconds(0)},
      {"Tue, 14 Nov 2023 21:00:00 GMT", seconds(0)},  // already past
      {"", std::nullopt},
      {"soon", std::nullopt},
      {"-1", std::nullopt},
      {"1.5", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RetryAfterOf(c.value, kNow), c.wait) << c.value;
  }
}

}  // namespace
}  // namespace kavero
