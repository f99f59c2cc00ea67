#include "options.h"

#include <gtest/gtest.h>

namespace kavero::demo {
namespace {

TEST(Options, DefaultsAndEveryOption) {
  const ParsedOptions defaults = ParseOptions({});
  EXPECT_EQ(defaults.error, "");
  EXPECT_EQ(defaults.options.port, 8641);
  EXPECT_EQ(defaults.options.matches, 300);
  EXPECT_FALSE(defaults.options.today);

  const ParsedOptions all =
      ParseOptions({"--port", "9000", "--seed", "18446744073709551615", "--matches", "0",
                    "--latency-ms", "250", "--storage", "/tmp/tables", "--today", "2028-02-29"});
  ASSERT_EQ(all.error, "");
  EXPECT_EQ(all.options.port, 9000);
  EXPECT_EQ(all.options.seed, 18446744073709551615ULL);
  EXPECT_EQ(all.options.matches, 0);
  EXPECT_EQ(all.options.latency.count(), 250);
  EXPECT_EQ(all.options.storage, std::filesystem::path("/tmp/tables"));
  EXPECT_EQ(all.options.today, Day(std::chrono::year(2028) / 2 / 29));
}

TEST(Options, BadCommandLinesAreExplained) {
  struct Case {
    std::vector<std::string> arguments;
    std::string error;
  };
  const Case cases[] = {
      {{"--port", "0"}, "invalid value for --port: 0"},
      {{"--port", "65536"}, "invalid value for --port: 65536"},
      {{"--port", "80x"}, "invalid value for --port: 80x"},
      {{"--matches", "1001"}, "invalid value for --matches: 1001"},
      {{"--latency-ms", "-1"}, "invalid value for --latency-ms: -1"},
      {{"--today", "2027-02-29"}, "invalid value for --today: 2027-02-29"},
      {{"--today", "10.12.2026"}, "invalid value for --today: 10.12.2026"},
      {{"--storage", ""}, "invalid value for --storage: "},
      {{"--port"}, "--port needs a value"},
      {{"--colour", "red"}, "unknown option --colour"},
      {{"stray"}, "unknown option stray"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseOptions(c.arguments).error, c.error) << c.arguments.front();
  }
}

}  // namespace
}  // namespace kavero::demo
