#include "web/curl/curl_http_client.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <sstream>
#include <thread>

#include "base/cp1251_literal.h"
#include "support/loopback_server.h"
#include "support/raw_listener.h"

namespace kavero {
namespace {

using namespace kavero::literals;
using testing::LoopbackServer;
using testing::RawListener;

const std::string kOkAnswer = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok";

struct RequestParts {
  std::string request_line;
  std::vector<std::string> headers;  // sorted: curl's order carries no meaning
  std::string body;
};

RequestParts SplitRequest(const std::string& request) {
  RequestParts parts;
  const auto end = request.find("\r\n\r\n");
  std::istringstream head(request.substr(0, end));
  std::string line;
  std::getline(head, line);
  parts.request_line = line.substr(0, line.size() - 1);
  while (std::getline(head, line)) parts.headers.push_back(line.substr(0, line.size() - 1));
  // The last header line has no "\r\n" of its own inside the cut.
  if (!parts.headers.empty()) parts.headers.back() = line;
  std::sort(parts.headers.begin(), parts.headers.end());
  parts.body = request.substr(end + 4);
  return parts;
}

TEST(CurlHttpClient, GetSendsTheTargetAsWrittenWithTheClientHeaders) {
  RawListener listener(kOkAnswer);
  CurlHttpClient client;
  const std::string target = "bets/" + "Команда"_w1251s + "/bets2.php?line_id[]=1&line_id[]=22&";
  const auto result = client.Get(listener.base() + target);
  EXPECT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.body, "ok");
  ASSERT_EQ(listener.requests().size(), 1u);
  const auto parts = SplitRequest(listener.requests()[0]);
  EXPECT_EQ(parts.request_line, "GET /" + target + " HTTP/1.1");
  const std::vector<std::string> expected = {
      "Accept: text/html, */*",
      "Content-Type: text/html",
      "Host: 127.0.0.1:" + std::to_string(listener.port()),
      "User-Agent: Mozilla/3.0 (compatible; Indy Library)",
  };
  EXPECT_EQ(parts.headers, expected);
  EXPECT_EQ(parts.body, "");
}

TEST(CurlHttpClient, LineBreaksInAnAddressCannotInjectHeaders) {
  RawListener listener(kOkAnswer);
  CurlHttpClient client;
  EXPECT_TRUE(client.Get(listener.base() + "a b\r\nX-Injected: 1").ok);
  ASSERT_EQ(listener.requests().size(), 1u);
  const auto parts = SplitRequest(listener.requests()[0]);
  EXPECT_EQ(parts.request_line, "GET /a%20b%0D%0AX-Injected:%201 HTTP/1.1");
  EXPECT_EQ(parts.headers.size(), 4u);
}

TEST(CurlHttpClient, PostSendsTheEncodedFormWithoutWaitingForContinue) {
  RawListener listener(kOkAnswer);
  CurlHttpClient client;
  // Over a megabyte, where libcurl would otherwise ask "Expect: 100-continue" first.
  const std::string long_text((1 << 20) + 1, 'x');
  const auto result =
      client.PostForm(listener.base() + "kavero/file.php", {"datas=1.2", "stext=a b" + long_text});
  EXPECT_TRUE(result.ok) << result.error;
  ASSERT_EQ(listener.requests().size(), 1u);
  const auto parts = SplitRequest(listener.requests()[0]);
  const std::string body = "datas=1%2E2&stext=a+b" + long_text + "&";
  EXPECT_EQ(parts.request_line, "POST /kavero/file.php HTTP/1.1");
  const std::vector<std::string> expected = {
      "Accept: text/html, */*",
      "Content-Length: " + std::to_string(body.size()),
      "Content-Type: application/x-www-form-urlencoded",
      "Host: 127.0.0.1:" + std::to_string(listener.port()),
      "User-Agent: Mozilla/3.0 (compatible; Indy Library)",
  };
  EXPECT_EQ(parts.headers, expected);
  EXPECT_TRUE(parts.body == body) << parts.body.size() << " bytes posted";
}

TEST(CurlHttpClient, JudgesAnswersByStatusAndLocation) {
  LoopbackServer server;
  int redirect_target_hits = 0;
  server.server().Get("/elsewhere", [&](const httplib::Request&, httplib::Response& res) {
    ++redirect_target_hits;
    res.set_content("moved here", "text/plain");
  });
  struct Case {
    int status;
    bool with_location;
    std::string sent_body;
    bool ok;
    std::string received_body;
  };
  const Case cases[] = {
      {200, false, "page", true, "page"},
      {200, false, "", true, ""},
      {204, false, "", true, ""},
      {299, false, "x", true, "x"},
      {302, true, "redirect body", false, ""},
      {301, true, "", false, ""},
      {304, false, "", false, ""},
      {401, false, "denied", false, ""},
      {404, false, "not found", false, ""},
      {500, false, "oops", false, ""},
      {200, true, "located", false, ""},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    server.server().Get("/case" + std::to_string(i),
                        [&c](const httplib::Request&, httplib::Response& res) {
                          res.status = c.status;
                          if (c.with_location) res.set_header("Location", "/elsewhere");
                          if (!c.sent_body.empty()) res.set_content(c.sent_body, "text/plain");
                        });
  }
  server.Start();
  CurlHttpClient client;
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    const auto result = client.Get(server.base() + "case" + std::to_string(i));
    EXPECT_EQ(result.ok, c.ok) << "status " << c.status << ": " << result.error;
    EXPECT_EQ(result.body, c.received_body) << "status " << c.status;
    EXPECT_EQ(result.ok, result.error.empty()) << "status " << c.status;
  }
  EXPECT_EQ(redirect_target_hits, 0);
}

TEST(CurlHttpClient, RawAnswersEdgeCases) {
  struct Case {
    std::string name;
    std::string answer;
    HttpLimits limits;
    bool ok;
    std::string body;
  };
  const HttpLimits ten_bytes{.max_body = 10};
  const Case cases[] = {
      {"interim 100 passed over",
       "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok",
       {},
       true,
       "ok"},
      {"body cut short keeps its first part",
       "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n0123456789",
       {},
       false,
       "0123456789"},
      {"declared length over the limit",
       "HTTP/1.1 200 OK\r\nContent-Length: 20\r\n\r\n" + std::string(20, 'a'), ten_bytes, false,
       ""},
      {"undeclared length over the limit keeps what fitted",
       "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + std::string(20, 'a'), ten_bytes, false,
       std::string(10, 'a')},
      {"body read to the close",
       "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\nuntil close",
       {},
       true,
       "until close"},
  };
  for (const auto& c : cases) {
    RawListener listener(c.answer);
    CurlHttpClient client(c.limits);
    const auto result = client.Get(listener.base() + "x");
    EXPECT_EQ(result.ok, c.ok) << c.name << ": " << result.error;
    EXPECT_EQ(result.body, c.body) << c.name;
  }
}

TEST(CurlHttpClient, OnlyPlainHttpIsEverRequested) {
  RawListener listener(kOkAnswer);
  const std::string authority = "127.0.0.1:" + std::to_string(listener.port()) + "/";
  CurlHttpClient client;
  const std::vector<std::string> addresses = {"https://" + authority, "ftp://" + authority,
                                              "file:///etc/passwd", "gopher://" + authority,
                                              "dict://" + authority};
  for (const auto& address : addresses) {
    const auto get = client.Get(address);
    EXPECT_FALSE(get.ok) << address;
    EXPECT_EQ(get.body, "") << address;
    EXPECT_FALSE(client.PostForm(address, {"a=1"}).ok) << address;
  }
  EXPECT_EQ(listener.connections(), 0);
}

TEST(CurlHttpClient, UnreachableServerFails) {
  int port = 0;
  {
    RawListener closed(kOkAnswer);
    port = closed.port();
  }
  CurlHttpClient client;
  const auto result = client.Get("http://127.0.0.1:" + std::to_string(port) + "/");
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.error.empty());
}

TEST(CurlHttpClient, SilentServerTimesOut) {
  RawListener silent(std::nullopt);
  CurlHttpClient client(HttpLimits{.stall_timeout = std::chrono::seconds(1)});
  const auto start = std::chrono::steady_clock::now();
  const auto result = client.Get(silent.base());
  EXPECT_FALSE(result.ok);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

TEST(CurlHttpClient, IgnoresTheSystemProxy) {
  RawListener proxy(kOkAnswer);
  LoopbackServer server;
  server.server().Get("/direct", [](const httplib::Request&, httplib::Response& res) {
    res.set_content("direct", "text/plain");
  });
  server.Start();
  setenv("http_proxy", proxy.base().c_str(), 1);
  CurlHttpClient client;
  const auto result = client.Get(server.base() + "direct");
  unsetenv("http_proxy");
  EXPECT_EQ(result.body, "direct");
  EXPECT_EQ(proxy.connections(), 0);
}

TEST(CurlHttpClient, CookiesOfEveryAnswerTravelBackAcrossReconnects) {
  LoopbackServer server;
  auto& http = server.server();
  http.Get("/login", [](const httplib::Request&, httplib::Response& res) {
    res.set_header("Set-Cookie", "sid=abc; Path=/");
    res.set_content("in", "text/plain");
  });
  http.Get("/refused", [](const httplib::Request&, httplib::Response& res) {
    res.status = 404;
    res.set_header("Set-Cookie", "late=1; Path=/");
  });
  http.Get("/bets/only", [](const httplib::Request&, httplib::Response& res) {
    res.set_header("Set-Cookie", "scoped=2; Path=/bets");
  });
  http.Get(R"(/echo.*)", [](const httplib::Request& req, httplib::Response& res) {
    res.set_content(req.get_header_value("Cookie"), "text/plain");
  });
  http.Post("/echo", [](const httplib::Request& req, httplib::Response& res) {
    res.set_content(req.get_header_value("Cookie"), "text/plain");
  });
  server.Start();

  CurlHttpClient client;
  EXPECT_EQ(client.Get(server.base() + "echo").body, "");
  client.Get(server.base() + "login");
  client.Get(server.base() + "refused");
  client.Get(server.base() + "bets/only");
  client.Disconnect();
  const auto cookies = client.Get(server.base() + "echo").body;
  EXPECT_NE(cookies.find("sid=abc"), std::string::npos) << cookies;
  EXPECT_NE(cookies.find("late=1"), std::string::npos) << cookies;
  EXPECT_EQ(cookies.find("scoped=2"), std::string::npos) << cookies;
  const auto posted = client.PostForm(server.base() + "echo", {"a=1"}).body;
  EXPECT_NE(posted.find("sid=abc"), std::string::npos) << posted;
}

TEST(CurlHttpClient, KeepsOneConnectionUntilDisconnectOrPost) {
  LoopbackServer server;
  const auto remote_port = [](const httplib::Request& req, httplib::Response& res) {
    res.set_content(std::to_string(req.remote_port), "text/plain");
  };
  server.server().Get("/port", remote_port);
  server.server().Post("/port", remote_port);
  server.Start();

  CurlHttpClient client;
  const auto first = client.Get(server.base() + "port").body;
  EXPECT_EQ(client.Get(server.base() + "port").body, first);
  client.Disconnect();
  const auto after_disconnect = client.Get(server.base() + "port").body;
  EXPECT_NE(after_disconnect, first);
  const auto posted = client.PostForm(server.base() + "port", {"a=1"}).body;
  EXPECT_NE(posted, after_disconnect);
  EXPECT_EQ(client.Get(server.base() + "port").body, posted);
}

TEST(CurlHttpClient, ClosesTheKeptConnectionBeforeOpeningOneToAnotherHost) {
  std::atomic<bool> first_closed = false;
  // Answers each request on its connection until the client closes it.
  RawListener first([&](int connection, const std::string&, const std::atomic<bool>& stop) {
    char request[4096];
    RawListener::SendAll(connection, kOkAnswer);
    while (!stop) {
      if (!RawListener::Readable(connection)) continue;
      if (recv(connection, request, sizeof(request), 0) <= 0) break;
      RawListener::SendAll(connection, kOkAnswer);
    }
    first_closed = true;
  });
  std::atomic<bool> closed_before_second = false;
  RawListener second([&](int connection, const std::string&, const std::atomic<bool>&) {
    // A client that closes only afterwards would leave this waiting in vain.
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!first_closed && std::chrono::steady_clock::now() < until) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    closed_before_second = first_closed.load();
    RawListener::SendAll(connection, kOkAnswer);
  });

  CurlHttpClient client;
  ASSERT_TRUE(client.Get(first.base() + "a").ok);
  ASSERT_TRUE(client.Get(first.base() + "b").ok);
  EXPECT_EQ(first.connections(), 1) << "the same host keeps its connection";
  ASSERT_TRUE(client.Get(second.base() + "c").ok);
  EXPECT_TRUE(closed_before_second);
}

}  // namespace
}  // namespace kavero
