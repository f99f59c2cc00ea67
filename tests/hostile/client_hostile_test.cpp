// The client against servers that misbehave: every exchange ends by its
// time-out or its body cap, and what it keeps stays within the body cap.
#include <gtest/gtest.h>

#include "hostile_answers.h"
#include "measure.h"
#include "web/curl/curl_http_client.h"

namespace kavero::testing::hostile {
namespace {

TEST(HostileServers, EveryExchangeEndsInTimeWithBoundedMemory) {
  for (const Misbehaviour& m : Misbehaviours()) {
    SCOPED_TRACE(m.name);
    RawListener server(m.server);
    CurlHttpClient client(ShortLimits());
    FetchResult result;
    const Measured measured =
        Measure("client: " + m.name, [&] { result = client.Get(server.base() + "page"); });
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_TRUE(result.body == m.body_kept) << result.body.size() << " bytes";
    ExpectEndedInTime(m, measured.seconds);
    EXPECT_LT(measured.peak_growth_mib, kPeakBoundMib);
    EXPECT_EQ(server.connections(), 1);  // no retry, no redirect followed
  }
}

}  // namespace
}  // namespace kavero::testing::hostile
