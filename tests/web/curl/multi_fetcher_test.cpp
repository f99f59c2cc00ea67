#include "web/curl/multi_fetcher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

#include "support/loopback_server.h"
#include "web/curl/curl_http_client.h"

namespace kavero {
namespace {

using namespace std::chrono_literals;
using testing::LoopbackServer;

class MultiFetcherTest : public ::testing::Test {
 protected:
  MultiFetcherTest() {
    server.server().set_keep_alive_timeout(1);
    server.server().set_keep_alive_max_count(1000);
  }
  ~MultiFetcherTest() override {
    {
      std::lock_guard lock(hung_mutex);
      released = true;
    }
    hung_released.notify_all();
    server.Stop();
  }

  void Serve(const std::string& path, const std::string& body) {
    server.server().Get(path, [body](const httplib::Request&, httplib::Response& response) {
      response.set_content(body, "text/html");
    });
  }

  // Answers nothing until the test ends.
  void ServeHung(const std::string& path) {
    server.server().Get(path, [this](const httplib::Request&, httplib::Response& response) {
      std::unique_lock lock(hung_mutex);
      hung_released.wait_for(lock, 10s, [this] { return released; });
      response.set_content("late", "text/html");
    });
  }

  std::string At(const std::string& path) const { return server.base() + path.substr(1); }

  LoopbackServer server;
  std::mutex hung_mutex;
  std::condition_variable hung_released;
  bool released = false;
};

TEST_F(MultiFetcherTest, GivesTheSingleClientsResults) {
  Serve("/page", "<html>body</html>");
  server.server().Get("/missing", [](const httplib::Request&, httplib::Response& response) {
    response.status = 404;
    response.set_content("not here", "text/html");
  });
  server.server().Get("/moved", [](const httplib::Request&, httplib::Response& response) {
    response.set_redirect("/page");
  });
  server.server().Get("/located", [](const httplib::Request&, httplib::Response& response) {
    response.set_header("Location", "/page");
    response.set_content("ok but located", "text/html");
  });
  Serve("/large", std::string(100, 'x'));
  server.Start();

  HttpLimits limits;
  limits.max_body = 64;
  CurlHttpClient client(limits);
  MultiFetcher fetcher(client);
  for (const std::string path :
       {"/page", "/missing", "/moved", "/located", "/large", "/unserved"}) {
    SCOPED_TRACE(path);
    const auto single = client.Get(At(path));
    const auto multi = fetcher.Fetch(At(path));
    EXPECT_EQ(multi.ok, single.ok);
    EXPECT_EQ(multi.body, single.body);
    EXPECT_EQ(multi.error, single.error);
  }
  // A refused port and a scheme other than http fail as well.
  for (const std::string address : {"http://127.0.0.1:1/", "ftp://127.0.0.1/x"}) {
    SCOPED_TRACE(address);
    const auto single = client.Get(address);
    const auto multi = fetcher.Fetch(address);
    EXPECT_FALSE(multi.ok);
    EXPECT_EQ(multi.error, single.error);
  }
}

TEST_F(MultiFetcherTest, SendsTheSingleClientsHeaders) {
  std::mutex mutex;
  std::vector<httplib::Headers> seen;
  server.server().Get("/page", [&](const httplib::Request& request, httplib::Response& response) {
    auto headers = request.headers;
    // The server's own notes on the connection, not sent by the client.
    std::erase_if(headers, [](const auto& header) {
      return header.first.starts_with("REMOTE_") || header.first.starts_with("LOCAL_");
    });
    std::lock_guard lock(mutex);
    seen.push_back(headers);
    response.set_content("ok", "text/html");
  });
  server.Start();

  CurlHttpClient client;
  MultiFetcher fetcher(client);
  ASSERT_TRUE(client.Get(At("/page")).ok);
  ASSERT_TRUE(fetcher.Fetch(At("/page")).ok);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1], seen[0]);
}

TEST_F(MultiFetcherTest, SharesCookiesWithTheSingleClient) {
  const auto set_cookie = [](const std::string& cookie) {
    return [cookie](const httplib::Request&, httplib::Response& response) {
      response.set_header("Set-Cookie", cookie + "; Path=/");
      response.set_content("set", "text/html");
    };
  };
  server.server().Get("/by-client", set_cookie("first=1"));
  server.server().Get("/by-fetcher", set_cookie("second=2"));
  server.server().Get("/echo", [](const httplib::Request& request, httplib::Response& response) {
    response.set_content(request.get_header_value("Cookie"), "text/plain");
  });
  server.Start();

  CurlHttpClient client;
  MultiFetcher fetcher(client);
  ASSERT_TRUE(client.Get(At("/by-client")).ok);
  EXPECT_EQ(fetcher.Fetch(At("/echo")).body, "first=1");
  ASSERT_TRUE(fetcher.Fetch(At("/by-fetcher")).ok);
  const auto both = client.Get(At("/echo")).body;
  EXPECT_NE(both.find("first=1"), std::string::npos) << both;
  EXPECT_NE(both.find("second=2"), std::string::npos) << both;
}

TEST_F(MultiFetcherTest, KeepsAtMostSixConnectionsPerHostAlive) {
  std::atomic<int> active = 0;
  std::atomic<int> most_active = 0;
  std::atomic<int> requests = 0;
  std::mutex mutex;
  std::set<int> client_ports;
  server.server().Get(R"(/page/\d+)",
                      [&](const httplib::Request& request, httplib::Response& response) {
                        ++requests;
                        const int now = ++active;
                        int before = most_active;
                        while (now > before && !most_active.compare_exchange_weak(before, now)) {
                        }
                        {
                          std::lock_guard lock(mutex);
                          client_ports.insert(request.remote_port);
                        }
                        std::this_thread::sleep_for(50ms);
                        --active;
                        response.set_content(request.path, "text/html");
                      });
  server.Start();

  CurlHttpClient client;
  MultiFetcher fetcher(client);
  constexpr int kPages = 24;
  for (int i = 0; i < kPages; ++i) {
    fetcher.Start(At("/page/" + std::to_string(i)));
    fetcher.Start(At("/page/" + std::to_string(i)));  // under way already: not sent again
  }
  for (int i = 0; i < kPages; ++i) {
    const auto result = fetcher.Fetch(At("/page/" + std::to_string(i)));
    EXPECT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.body, "/page/" + std::to_string(i));
  }
  EXPECT_EQ(requests, kPages);
  EXPECT_LE(most_active, 6);
  EXPECT_GE(most_active, 2);  // the pages did travel side by side
  // Connections were reused rather than opened per page.
  EXPECT_LE(client_ports.size(), 6u);
}

TEST_F(MultiFetcherTest, StalledPagesFailWhilePagesQueuedBehindThemSucceed) {
  for (int i = 0; i < 6; ++i) ServeHung("/hung/" + std::to_string(i));
  Serve("/page", "fine");
  server.Start();

  HttpLimits limits;
  // Time spent waiting for a free connection must not count as connecting.
  limits.connect_timeout = 200ms;
  limits.stall_timeout = 1s;
  CurlHttpClient client(limits);
  MultiFetcher fetcher(client);
  for (int i = 0; i < 6; ++i) fetcher.Start(At("/hung/" + std::to_string(i)));
  const auto page = fetcher.Fetch(At("/page"));
  EXPECT_TRUE(page.ok) << page.error;
  EXPECT_EQ(page.body, "fine");
  for (int i = 0; i < 6; ++i) {
    const auto hung = fetcher.Fetch(At("/hung/" + std::to_string(i)));
    EXPECT_FALSE(hung.ok);
    EXPECT_EQ(hung.body, "");
  }
}

TEST_F(MultiFetcherTest, UnfinishedTransfersCanBeDroppedOrLeftBehind) {
  std::atomic<int> requests = 0;
  ServeHung("/hung");
  server.server().Get("/page", [&](const httplib::Request&, httplib::Response& response) {
    ++requests;
    response.set_content("fresh", "text/html");
  });
  server.Start();

  CurlHttpClient client;
  MultiFetcher fetcher(client);
  EXPECT_FALSE(fetcher.Take(At("/page")).ok);  // never started

  ASSERT_TRUE(fetcher.Fetch(At("/page")).ok);
  fetcher.Start(At("/page"));
  while (!fetcher.IsDone(At("/page"))) fetcher.Poll(10ms);
  fetcher.Abandon(At("/page"));
  EXPECT_FALSE(fetcher.IsDone(At("/page")));
  // Forgotten, so asked for again.
  EXPECT_EQ(fetcher.Fetch(At("/page")).body, "fresh");
  EXPECT_EQ(requests, 3);

  fetcher.Start(At("/hung"));
  fetcher.Poll(50ms);
  fetcher.Abandon(At("/hung"));
  fetcher.Poll(0ms);
  EXPECT_FALSE(fetcher.IsDone(At("/hung")));
  // Left running when the fetcher goes.
  fetcher.Start(At("/hung"));
  fetcher.Poll(50ms);
}

TEST_F(MultiFetcherTest, ThrottledPagesAreAskedAgainAtMostTwiceLikeTheSingleClient) {
  struct Case {
    const char* name;
    int status;
    const char* retry_after;  // "": none; the forms it takes are RetryAfterOf's tests
    int throttled;            // answers throttled before the page is served
    bool ok;
    int requests;
    int waits;  // the least number of whole seconds waited
  };
  const Case cases[] = {
      {"429, 1 s, once", 429, "1", 1, true, 2, 1},
      {"429 three times", 429, "1", 3, false, 3, 2},
      {"Retry-After above 30 s", 503, "31", 1, false, 1, 0},
      {"no Retry-After", 429, "", 1, false, 1, 0},
      {"Retry-After with 404", 404, "1", 1, false, 1, 0},
  };
  std::mutex mutex;
  std::map<std::string, int> requests;
  server.server().Get(R"(/(client|fetcher)/(\d+))",
                      [&](const httplib::Request& request, httplib::Response& response) {
                        const Case& c = cases[std::stoi(request.matches[2])];
                        int count = 0;
                        {
                          std::lock_guard lock(mutex);
                          count = ++requests[request.path];
                        }
                        if (count > c.throttled) {
                          response.set_content("page", "text/html");
                          return;
                        }
                        response.status = c.status;
                        if (*c.retry_after) response.set_header("Retry-After", c.retry_after);
                        response.set_content("busy", "text/plain");
                      });
  server.Start();

  CurlHttpClient client;
  MultiFetcher fetcher(client);
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.name);
    for (const std::string driver : {"client", "fetcher"}) {
      SCOPED_TRACE(driver);
      const std::string path = "/" + driver + "/" + std::to_string(i);
      int turns = 0;
      const auto start = std::chrono::steady_clock::now();
      const auto result =
          driver == "client" ? client.Get(At(path)) : fetcher.Fetch(At(path), [&] { ++turns; });
      const auto waited = std::chrono::steady_clock::now() - start;
      EXPECT_EQ(result.ok, c.ok) << result.error;
      EXPECT_EQ(result.body, c.ok ? "page" : "");
      std::lock_guard lock(mutex);
      EXPECT_EQ(requests[path], c.requests);
      EXPECT_GE(waited, std::chrono::seconds(c.waits) - 100ms);
      // A wait the server asks for and that is not kept is not waited at all.
      if (c.waits == 0) {
        EXPECT_LT(waited, 10s);
      }
      // The fetcher gives the window its turn while it waits.
      if (driver == "fetcher" && c.waits > 0) {
        EXPECT_GE(turns, 10);
      }
    }
  }
}

TEST_F(MultiFetcherTest, AHostThatThrottlesGetsFewerConnectionsFromThenOn) {
  using Clock = std::chrono::steady_clock;
  std::mutex mutex;
  std::optional<Clock::time_point> throttled_at;
  int active = 0;
  int most_active_later = 0;
  int requests_later = 0;
  server.server().Get(R"(/page/\d+)",
                      [&](const httplib::Request& request, httplib::Response& response) {
                        {
                          std::lock_guard lock(mutex);
                          if (!throttled_at) {
                            throttled_at = Clock::now();
                            response.status = 429;
                            response.set_header("Retry-After", "1");
                            return;
                          }
                          ++active;
                          // Pages sent before the throttled answer came back are done by then.
                          if (Clock::now() - *throttled_at > 300ms) {
                            ++requests_later;
                            most_active_later = std::max(most_active_later, active);
                          }
                        }
                        std::this_thread::sleep_for(50ms);
                        {
                          std::lock_guard lock(mutex);
                          --active;
                        }
                        response.set_content(request.path, "text/html");
                      });
  server.Start();

  CurlHttpClient client;
  MultiFetcher fetcher(client);
  constexpr int kPages = 60;
  for (int i = 0; i < kPages; ++i) fetcher.Start(At("/page/" + std::to_string(i)));
  for (int i = 0; i < kPages; ++i) {
    const auto result = fetcher.Fetch(At("/page/" + std::to_string(i)));
    EXPECT_TRUE(result.ok) << i << ": " << result.error;
  }
  std::lock_guard lock(mutex);
  EXPECT_GT(requests_later, 0);
  EXPECT_LE(most_active_later, 3);
}

}  // namespace
}  // namespace kavero
