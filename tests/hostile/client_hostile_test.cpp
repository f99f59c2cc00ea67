// The client against servers that misbehave: every exchange ends within its
// time-out plus a second, and what it keeps stays within the body cap.
#include <gtest/gtest.h>

#include "hostile_answers.h"
#include "measure.h"
#include "web/curl_http_client.h"

namespace kavero::testing::hostile {
namespace {

using namespace std::chrono_literals;

constexpr std::size_t kCap = std::size_t{64} << 20;

HttpLimits ShortLimits() {
  HttpLimits limits;
  limits.connect_timeout = 2s;
  limits.stall_timeout = 2s;
  return limits;
}

TEST(HostileServers, EveryExchangeEndsInTimeWithBoundedMemory) {
  struct Case {
    const char* name;
    Handler server;
    std::chrono::milliseconds within;  // the time-out that applies, plus a second
    std::string body;                  // what the caller receives
  };
  const Case cases[] = {
      {"accepts and never answers", Silent(), 3s, ""},
      // Each gap is shorter than the stall time-out, the rate below its 1 byte/s.
      {"one byte every 1.5 s", Trickle(1500ms), 3s, ""},
      {"body that never ends", EndlessBody(), 3s, std::string(kCap, 'a')},
      {"302 to itself", RedirectLoop(), 1s, ""},
      {"Content-Length over the body, closed", ShortBody(false), 1s, "only this"},
      {"Content-Length over the body, held open", ShortBody(true), 3s, "only this"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RawListener server(c.server);
    CurlHttpClient client(ShortLimits());
    FetchResult result;
    const Measured measured = Measure(c.name, [&] { result = client.Get(server.base() + "page"); });
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_TRUE(result.body == c.body) << result.body.size() << " bytes";
    EXPECT_LT(measured.seconds, Seconds(c.within) + kSchedulingSlack);
    EXPECT_LT(measured.peak_growth_mib, kPeakBoundMib);
    EXPECT_EQ(server.connections(), 1);  // no retry, no redirect followed
  }
}

}  // namespace
}  // namespace kavero::testing::hostile
