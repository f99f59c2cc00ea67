// The readers over a real HTTP exchange: pages travel as UTF-8 bytes and the
// names of the match table are Windows-1251.
#include <gtest/gtest.h>

#include "base/cp1251_literal.h"
#include "base/encoding.h"
#include "page_fixtures.h"
#include "stats/load_match_stats.h"
#include "support/loopback_server.h"
#include "web/curl/curl_http_client.h"

namespace kavero {
namespace {

using testing::LeagueRowHtml;
using testing::LoopbackServer;
using testing::Row;
using testing::StatisticsPage;
using testing::TeamPage;

class LoopbackPagesTest : public ::testing::Test {
 protected:
  void Serve(const std::string& path, const std::string& body) {
    server.server().Get(path, [body](const httplib::Request&, httplib::Response& response) {
      response.set_content(body, "text/html; charset=utf-8");
    });
  }

  LoopbackServer server;
  CurlHttpClient client;
};

TEST_F(LoopbackPagesTest, LoadsAMatchOverHttp) {
  Serve("/stat/1", StatisticsPage(Row({"01.03.2011", "<b>Зенит</b> - Спартак", "2:1 (1:0)"}),
                                  Row({"02.03.2011", "ЦСКА - Спартак", "1:1 (0:0)"}), ""));
  Serve("/teams/home", TeamPage(LeagueRowHtml("2", "Зенит", "31"), {"2:1", "3:3", "0:0"}));
  server.Start();

  MatchRow row;
  row.home = "Зенит"_w1251s;
  row.away = "Спартак"_w1251s;
  row.url = "stat/1";
  const std::vector<std::string> team_page_list{
      row.home + ">>" + server.base() + "teams/home>>",
      row.away + ">>" + server.base() + "teams/missing>>",
  };
  MatchStats stats;
  LoadMatchStats(row, client, server.base(), team_page_list, stats);

  ASSERT_EQ(stats.home_recent.size(), 1u);
  EXPECT_EQ(Cp1251ToUtf8(stats.home_recent[0].match), "Зенит - Спартак");
  ASSERT_EQ(stats.away_recent.size(), 1u);
  EXPECT_EQ(Cp1251ToUtf8(stats.league_rows[0].cells[1]), "Зенит");
  EXPECT_EQ(stats.totals[0].numbers, (std::array<int, 7>{3, 2, 2, 2, 67, 67, 67}));
  // The away page answers 404: a default league row, no totals, no combined row.
  EXPECT_EQ(stats.league_rows[1].cells[6], "0-0");
  EXPECT_EQ(stats.totals[2].team, "");
}

}  // namespace
}  // namespace kavero
