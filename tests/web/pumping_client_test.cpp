#include "web/pumping_client.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <thread>

#include "support/loopback_server.h"

namespace kavero {
namespace {

using namespace std::chrono_literals;

TEST(PumpingClient, AnswersLikeTheClientWhileTheWindowGetsItsTurn) {
  testing::LoopbackServer server;
  server.server().Get("/slow", [](const httplib::Request&, httplib::Response& response) {
    std::this_thread::sleep_for(200ms);
    response.set_header("Set-Cookie", "seen=1");
    response.set_content("body", "text/plain");
  });
  server.server().Get("/missing", [](const httplib::Request&, httplib::Response& response) {
    response.status = 404;
    response.set_content("not delivered", "text/plain");
  });
  std::string cookie;
  server.server().Get("/cookie", [&](const httplib::Request& request, httplib::Response&) {
    cookie = request.get_header_value("Cookie");
  });
  server.Start();

  CurlHttpClient client;
  int turns = 0;
  PumpingClient pumping(client, [&] { ++turns; });
  const FetchResult slow = pumping.Get(server.base() + "slow");
  EXPECT_TRUE(slow.ok);
  EXPECT_EQ(slow.body, "body");
  EXPECT_GE(turns, 5);  // about every 10 ms of the 200

  const FetchResult missing = pumping.Get(server.base() + "missing");
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.body, "");

  pumping.Disconnect();
  EXPECT_TRUE(client.Get(server.base() + "cookie").ok);  // one cookie store for both
  EXPECT_EQ(cookie, "seen=1");
}

TEST(PumpingClient, AWindowThatStopsTheLoopDropsTheRequest) {
  testing::LoopbackServer server;
  server.server().Get("/slow", [](const httplib::Request&, httplib::Response&) {
    std::this_thread::sleep_for(300ms);
  });
  server.Start();
  CurlHttpClient client;
  PumpingClient pumping(client, [] { throw std::runtime_error("closing"); });
  const auto started = std::chrono::steady_clock::now();
  EXPECT_THROW(pumping.Get(server.base() + "slow"), std::runtime_error);
  EXPECT_LT(std::chrono::steady_clock::now() - started, 250ms);
}

}  // namespace
}  // namespace kavero
