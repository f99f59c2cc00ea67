// The site's addresses over HTTP: what answers, in which character set, and
// that every link the program follows leads somewhere.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "base/encoding.h"
#include "base/field_line.h"
#include "base/text_cuts.h"
#include "demo_site_fixture.h"
#include "line/line_download.h"
#include "web/curl/curl_http_client.h"

namespace kavero::demo {
namespace {

using testing::DemoSiteTest;

TEST_F(DemoSiteTest, AddressesAnswerWithTheirCharacterSet) {
  struct Case {
    const char* path;
    int status;
    const char* content_type;
  };
  const Case cases[] = {
      {"/", 200, "text/html; charset=utf-8"},
      {"/index.php?option=com_content&view=article&id=193&Itemid=35", 200,
       "text/html; charset=utf-8"},
      {"/index.php?option=com_content&view=article&id=1&Itemid=35", 404, nullptr},
      {"/bets/bets.php?line_id[]=1", 200, "text/html; charset=windows-1251"},
      {"/bets/bets2.php?line_id[]=101&line_id[]=102&", 200, "text/html; charset=windows-1251"},
      {"/stat/1001.html", 200, "text/html; charset=utf-8"},
      {"/stat/1000.html", 404, nullptr},
      {"/stat/99999999999.html", 404, nullptr},
      {"/teams/ru/1.html", 200, "text/html; charset=utf-8"},
      {"/teams/en/416.html", 200, "text/html; charset=utf-8"},
      {"/teams/en/417.html", 404, nullptr},
      {"/teams/ru/0.html", 404, nullptr},
      {"/teams/de/1.html", 404, nullptr},
      {"/brr/beturl.txt", 200, "text/plain; charset=windows-1251"},
      {"/brr/basa.txt", 200, "text/plain; charset=windows-1251"},
      {"/brr/chemp.txt", 200, "text/plain; charset=windows-1251"},
      {"/brr/../brr/basa.txt", 404, nullptr},
      {"/nothing.html", 404, nullptr},
  };
  auto client = Client();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const auto answer = client.Get(c.path);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->status, c.status);
    if (c.content_type) {
      EXPECT_EQ(answer->get_header_value("Content-Type"), c.content_type);
    }
  }
}

TEST_F(DemoSiteTest, EveryStatisticsLinkAndTeamAddressLeadsToAPage) {
  CurlHttpClient client;
  const std::string downloaded = DownloadLine(client, base(), {});
  const auto line = SplitLines(downloaded);
  ASSERT_EQ(line.size(), 300u);
  for (std::string_view match : line) {
    const FetchResult page = client.Get(base() + std::string(GetField(match, 16)));
    EXPECT_TRUE(page.ok) << match << ": " << page.error;
  }

  const FetchResult list = client.Get(base() + "brr/beturl.txt");
  ASSERT_TRUE(list.ok);
  const auto entries = SplitLines(list.body);
  ASSERT_EQ(entries.size(), 2 * 416u);
  for (std::string_view entry : entries) {
    const std::string address(GetField(entry, 2));
    // The addresses name the port the site answers on.
    ASSERT_EQ(address.rfind(base() + "teams/", 0), 0u) << address;
    const FetchResult page = client.Get(address);
    EXPECT_TRUE(page.ok) << address << ": " << page.error;
  }
}

TEST_F(DemoSiteTest, ASecondSiteCannotTakeTheSamePort) {
  DemoSite second(testing::TestWorldOptions(5), storage_, {});
  httplib::Server server;
  second.Register(server);
  EXPECT_FALSE(server.bind_to_port("127.0.0.1", server_.port()));
}

TEST_F(DemoSiteTest, LogsOneLinePerRequest) {
  auto client = Client();
  ASSERT_TRUE(client.Get("/bets/bets.php?line_id[]=1"));
  ASSERT_TRUE(client.Get("/stat/1.html"));
  server_.Stop();  // the log line follows the answer
  // Each connection writes its line after its answer has gone, so two
  // connections may log in either order.
  std::vector<std::string> lines;
  std::istringstream log(log_.str());
  for (std::string line; std::getline(log, line);) lines.push_back(line);
  std::sort(lines.begin(), lines.end());
  EXPECT_EQ(lines, (std::vector<std::string>{"GET /bets/bets.php?line_id[]=1 200",
                                             "GET /stat/1.html 404"}));
}

}  // namespace
}  // namespace kavero::demo
