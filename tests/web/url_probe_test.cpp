#include "web/curl/url_probe.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "base/cp1251_literal.h"
#include "support/loopback_server.h"
#include "support/raw_listener.h"
#include "web/curl/curl_http_client.h"

namespace kavero {
namespace {

using namespace kavero::literals;
using testing::LoopbackServer;
using testing::RawListener;

TEST(UrlResponds, OnlyStatus200Or302Counts) {
  LoopbackServer server;
  for (const int status : {200, 204, 301, 302, 304, 404, 500}) {
    server.server().Get("/s" + std::to_string(status),
                        [status](const httplib::Request&, httplib::Response& res) {
                          res.status = status;
                          if (status == 301 || status == 302) {
                            // A redirect target that answers 200 must not change the verdict.
                            res.set_header("Location", status == 301 ? "/s200" : "/s404");
                          }
                        });
  }
  server.Start();
  for (const int status : {200, 204, 301, 302, 304, 404, 500}) {
    EXPECT_EQ(UrlResponds(server.base() + "s" + std::to_string(status)),
              status == 200 || status == 302)
        << status;
  }
}

TEST(UrlResponds, SendsAFreshGetAndNeverReadsTheBody) {
  // Headers of a long body that never comes: the verdict must not wait for it.
  RawListener listener("HTTP/1.1 200 OK\r\nContent-Length: 1000000\r\n\r\nfirst bytes");
  EXPECT_TRUE(UrlResponds(listener.base() + "kavero/1.txt"));
  const auto requests = listener.requests();
  ASSERT_EQ(requests.size(), 1u);
  const auto& request = requests[0];
  EXPECT_TRUE(request.starts_with("GET /kavero/1.txt HTTP/1.1\r\n")) << request;
  for (const char* header : {"\r\nUser-Agent: InetURL:/1.0\r\n", "\r\nCache-Control: no-cache\r\n",
                             "\r\nPragma: no-cache\r\n"}) {
    EXPECT_NE(request.find(header), std::string::npos) << header;
  }
}

TEST(UrlResponds, RequestsTheTargetTheClientsGetSends) {
  // Short dates with spaces (Hungarian, Slovak) and a Windows-1251 letter (Bulgarian).
  const std::string dates[] = {"2026. 03. 05.", "5. 3. 2026", "5.03.26 " + "г."_w1251s};
  for (const std::string& date : dates) {
    SCOPED_TRACE(date);
    RawListener listener("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n");
    const std::string address = listener.base() + "kavero/" + date + ".txt";
    EXPECT_TRUE(UrlResponds(address));
    CurlHttpClient client;
    EXPECT_TRUE(client.Get(address).ok);
    const auto requests = listener.requests();
    ASSERT_EQ(requests.size(), 2u);
    const auto request_line = [](const std::string& request) {
      return request.substr(0, request.find("\r\n"));
    };
    EXPECT_EQ(request_line(requests[0]), request_line(requests[1]));
  }
}

TEST(UrlResponds, AddsTheSchemeOnlyWhenNoHttpAppearsAnywhere) {
  LoopbackServer server;
  server.server().Get("/x", [](const httplib::Request&, httplib::Response& res) {
    res.set_content("x", "text/plain");
  });
  server.Start();
  const std::string authority = "127.0.0.1:" + std::to_string(server.port());
  EXPECT_TRUE(UrlResponds(authority + "/x"));
  EXPECT_TRUE(UrlResponds("HTTP://" + authority + "/x"));
  // "http://" in the query alone stops the prefix, leaving an address with no scheme.
  EXPECT_FALSE(UrlResponds(authority + "/x?from=http://elsewhere"));
  EXPECT_FALSE(UrlResponds("https://" + authority + "/x"));
}

TEST(UrlResponds, FailuresAnswerFalse) {
  int closed_port = 0;
  {
    RawListener closed("");
    closed_port = closed.port();
  }
  EXPECT_FALSE(UrlResponds("http://127.0.0.1:" + std::to_string(closed_port) + "/"));
  EXPECT_FALSE(UrlResponds(""));

  RawListener half("HTTP/1.1 200 OK\r\nContent-Le");
  EXPECT_FALSE(UrlResponds(half.base()));

  RawListener silent(std::nullopt);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(UrlResponds(silent.base(), ProbeLimits{.total_timeout = std::chrono::seconds(1)}));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

TEST(UrlResponds, GoesThroughTheSystemProxy) {
  RawListener proxy("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n");
  setenv("http_proxy", proxy.base().c_str(), 1);
  const std::string date = "5.03.26 " + "г."_w1251s;
  const bool answered = UrlResponds("http://publisher.invalid/kavero/1.txt");
  const bool answered_with_date = UrlResponds("http://publisher.invalid/kavero/" + date + ".txt");
  // A host that no_proxy lists is asked directly.
  RawListener direct("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n");
  setenv("no_proxy", "example.org, .0.0.1", 1);
  const bool answered_directly = UrlResponds(direct.base() + "kavero/1.txt");
  unsetenv("no_proxy");
  unsetenv("http_proxy");
  EXPECT_TRUE(answered);
  EXPECT_TRUE(answered_with_date);
  EXPECT_TRUE(answered_directly);
  ASSERT_EQ(proxy.requests().size(), 2u);
  EXPECT_TRUE(proxy.requests()[0].starts_with("GET http://publisher.invalid/kavero/1.txt "));
  EXPECT_TRUE(proxy.requests()[1].starts_with("GET http://publisher.invalid/kavero/5.03.26%20" +
                                              "г."_w1251s + ".txt "))
      << proxy.requests()[1];
  ASSERT_EQ(direct.requests().size(), 1u);
  EXPECT_TRUE(direct.requests()[0].starts_with("GET /kavero/1.txt "));
}

}  // namespace
}  // namespace kavero
