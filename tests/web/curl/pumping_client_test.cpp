#include "web/curl/pumping_client.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "support/loopback_server.h"

namespace kavero {
namespace {

using namespace std::chrono_literals;

// Waits until `done` holds, or gives up after a time no healthy run comes near.
template <typename Condition>
void WaitUntil(Condition done) {
  const auto until = std::chrono::steady_clock::now() + 10s;
  while (!done() && std::chrono::steady_clock::now() < until) std::this_thread::sleep_for(2ms);
}

TEST(PumpingClient, AnswersLikeTheClientWhileTheWindowGetsItsTurn) {
  std::atomic<int> turns = 0;
  testing::LoopbackServer server;
  // The answer waits for the window's turns, however busy the machine.
  server.server().Get("/slow", [&](const httplib::Request&, httplib::Response& response) {
    WaitUntil([&] { return turns >= 5; });
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
  PumpingClient pumping(client, [&] { ++turns; });
  const FetchResult slow = pumping.Get(server.base() + "slow");
  EXPECT_TRUE(slow.ok);
  EXPECT_EQ(slow.body, "body");
  EXPECT_GE(turns, 5);  // while the answer was awaited

  const FetchResult missing = pumping.Get(server.base() + "missing");
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.body, "");

  pumping.Disconnect();
  EXPECT_TRUE(client.Get(server.base() + "cookie").ok);  // one cookie store for both
  EXPECT_EQ(cookie, "seen=1");
}

TEST(PumpingClient, AWindowThatStopsTheLoopDropsTheRequest) {
  std::atomic<bool> dropped = false;
  std::atomic<bool> answered = false;
  testing::LoopbackServer server;
  // The answer is held until the request has been dropped.
  server.server().Get("/slow", [&](const httplib::Request&, httplib::Response&) {
    WaitUntil([&] { return dropped.load(); });
    answered = true;
  });
  server.Start();
  CurlHttpClient client;
  PumpingClient pumping(client, [] { throw std::runtime_error("closing"); });
  EXPECT_THROW(pumping.Get(server.base() + "slow"), std::runtime_error);
  EXPECT_FALSE(answered) << "the answer was waited for";
  dropped = true;
}

}  // namespace
}  // namespace kavero
