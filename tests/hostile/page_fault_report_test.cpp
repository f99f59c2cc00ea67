// Each way a page can fail or not be understood gives its reason in the
// report, while what is read from the page stays what it always was.
#include <gtest/gtest.h>

#include <chrono>

#include "base/cp1251_literal.h"
#include "base/encoding.h"
#include "hostile_answers.h"
#include "line/line_download.h"
#include "stats/load_match_stats.h"
#include "stats/step_indicators.h"
#include "stats/team_page.h"
#include "web/curl/curl_http_client.h"

namespace kavero::testing::hostile {
namespace {

using namespace kavero::literals;
using namespace std::chrono_literals;

std::string U(std::string_view cp1251) {
  return Cp1251ToUtf8(cp1251);
}

// The worked example of the indicators: Step1 2.5 for the names A and B.
std::string StatisticsPage(std::string_view recent = "Последние"_w1251) {
  std::string page = "<html>";
  const char* rows[2][4] = {
      {"A - X|2:1 (1:0)", "Y - A|0:0 (0:0)", "A - Z|1:1 (0:1)", "W - A|3:0 (2:0)"},
      {"B - X|1:2 (0:1)", "Y - B|2:2 (1:1)", "B - Z|0:1 (0:0)", "W - B|4:1 (2:1)"}};
  for (const auto& table : rows) {
    page += U(recent) + " <table><tr><td>t</td></tr><tr><td>h</td></tr>";
    int day = 1;
    for (std::string_view row : table) {
      const auto bar = row.find('|');
      page += "<tr><td>0" + std::to_string(day++) + ".12.2026</td><td>" +
              std::string(row.substr(0, bar)) + "</td><td>" + std::string(row.substr(bar + 1)) +
              "</td></tr>";
    }
    page += "</table>";
  }
  return page + "</html>";
}

// 200 with a "Location" header.
Handler LocatedAnswer() {
  return [](int connection, const std::string&, const std::atomic<bool>&) {
    RawListener::SendAll(connection,
                         "HTTP/1.1 200 OK\r\nLocation: /x\r\nContent-Length: 2\r\n\r\nok");
  };
}

struct StatisticsCase {
  std::string name;
  Handler statistics_page;
  Handler team_page;
  std::vector<PageFault> faults;  // statistics page first, then A's team page
  std::string first_path;         // the page of the first problem
  int status = 0;
  std::size_t sg1_rows = 4;
  double step1 = 2.5;
};

void PrintTo(const StatisticsCase& c, std::ostream* out) {
  *out << c.name;
}

class StatisticsFaults : public ::testing::TestWithParam<StatisticsCase> {};

TEST_P(StatisticsFaults, AreReportedWithoutChangingTheValues) {
  const StatisticsCase& c = GetParam();
  RawListener site(Routes({{"/stat/1.html", c.statistics_page}, {"/team/a.html", c.team_page}}));
  HttpLimits limits = ShortLimits();
  limits.stall_timeout = 1s;
  limits.max_body = std::size_t{64} * 1024;
  CurlHttpClient client(limits);
  const std::vector<std::string> team_pages{"A>>" + site.base() + "team/a.html>>"};
  MatchRow row;
  row.home = "A";
  row.away = "B";
  row.url = "stat/1.html";

  MatchStats stats;
  LoadMatchStats(row, client, site.base(), team_pages, stats);
  std::vector<PageFault> faults;
  for (const PageProblem& problem : stats.problems) faults.push_back(problem.fault);
  EXPECT_EQ(faults, c.faults);
  ASSERT_FALSE(stats.problems.empty());
  EXPECT_EQ(stats.problems.front().address, site.base() + c.first_path);
  EXPECT_EQ(stats.problems.front().status, c.status);
  const bool failed = c.first_path.starts_with("stat") && c.faults.front() <= PageFault::kFailed;
  EXPECT_EQ(stats.statistics_failure.has_value(), failed);
  EXPECT_EQ(stats.home_recent.size(), c.sg1_rows);
  EXPECT_EQ(ComputeStep1(stats.home_recent, stats.away_recent), c.step1);
  EXPECT_EQ(stats.league_rows[0].cells[0], "0");  // no league row on A's page
}

INSTANTIATE_TEST_SUITE_P(
    Pages, StatisticsFaults,
    ::testing::Values(StatisticsCase{"status 404",
                                     Answer("", 404),
                                     Answer("<b>A</b>"),
                                     {PageFault::kStatus, PageFault::kTeamRowNotFound},
                                     "stat/1.html",
                                     404,
                                     0,
                                     0},
                      StatisticsCase{"302",
                                     RedirectLoop(),
                                     Answer("<b>A</b>"),
                                     {PageFault::kStatus, PageFault::kTeamRowNotFound},
                                     "stat/1.html",
                                     302,
                                     0,
                                     0},
                      StatisticsCase{"200 with Location",
                                     LocatedAnswer(),
                                     Answer("<b>A</b>"),
                                     {PageFault::kRedirect, PageFault::kTeamRowNotFound},
                                     "stat/1.html",
                                     200,
                                     0,
                                     0},
                      StatisticsCase{"time-out",
                                     Silent(),
                                     Answer("<b>A</b>"),
                                     {PageFault::kTimeOut, PageFault::kTeamRowNotFound},
                                     "stat/1.html",
                                     0,
                                     0,
                                     0},
                      StatisticsCase{"too large",
                                     EndlessBody(),
                                     Answer("<b>A</b>"),
                                     {PageFault::kTooLarge, PageFault::kTeamRowNotFound},
                                     "stat/1.html",
                                     200,
                                     0,
                                     0},
                      StatisticsCase{"cut off",
                                     ShortBody(false),
                                     Answer("<b>A</b>"),
                                     {PageFault::kCutOff, PageFault::kTeamRowNotFound},
                                     "stat/1.html",
                                     200,
                                     0,
                                     0},
                      // Without "Последние" the first table still lands in SG1, and in SG2:
                      // A's four matches twice add up to 0.
                      StatisticsCase{"no recent results",
                                     Answer(StatisticsPage("Прежние"_w1251)),
                                     Answer("<b>A</b>"),
                                     {PageFault::kNoRecentResults, PageFault::kTeamRowNotFound},
                                     "stat/1.html",
                                     0,
                                     4,
                                     0},
                      StatisticsCase{"team page not UTF-8",
                                     Answer(StatisticsPage()),
                                     Answer("<b>A</b>\xC0"),
                                     {PageFault::kTeamPageNotUtf8},
                                     "team/a.html",
                                     0,
                                     4,
                                     2.5},
                      StatisticsCase{"team page refused",
                                     Answer(StatisticsPage()),
                                     Answer("", 403),
                                     {PageFault::kStatus},
                                     "team/a.html",
                                     403,
                                     4,
                                     2.5}),
    [](const auto& info) {
      std::string name;
      for (char ch : info.param.name)
        name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
      return name;
    });

TEST(StatisticsFaultsTest, AHealthyMatchReportsNothing) {
  const std::string team_page =
      U("<table><tr><td>1</td><td><b>A</b></td></tr>") + "</table>" + U("Матчи с участием"_w1251);
  RawListener site(
      Routes({{"/stat/1.html", Answer(StatisticsPage())}, {"/team/a.html", Answer(team_page)}}));
  CurlHttpClient client(ShortLimits());
  MatchRow row;
  row.home = "A";
  row.away = "A";
  row.url = "stat/1.html";
  MatchStats stats;
  LoadMatchStats(row, client, site.base(), {"A>>" + site.base() + "team/a.html>>"}, stats);
  EXPECT_TRUE(stats.problems.empty());
  EXPECT_FALSE(stats.statistics_failure.has_value());
}

TEST(StatisticsFaultsTest, ARefusedConnectionIsSaidSo) {
  CurlHttpClient client(ShortLimits());
  MatchRow row;
  row.url = "stat/1.html";
  MatchStats stats;
  LoadMatchStats(row, client, "http://127.0.0.1:1/", {}, stats);
  ASSERT_TRUE(stats.statistics_failure.has_value());
  EXPECT_EQ(stats.statistics_failure->fault, PageFault::kRefused);
  EXPECT_EQ(stats.problems, PageReport{*stats.statistics_failure});
}

struct LineCase {
  std::string name;
  Handler menu;
  Handler line_page;
  std::vector<PageFault> faults;  // menu, then line page
};

void PrintTo(const LineCase& c, std::ostream* out) {
  *out << c.name;
}

class LineFaults : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineFaults, AreReportedWithoutChangingTheLine) {
  const LineCase& c = GetParam();
  const std::string menu_path = "/bets/bets.php?line_id[]=1";
  RawListener site(Routes({{menu_path, c.menu},
                           {"/bets/bets2.php?line_id[]=7&", c.line_page},
                           {"/bets/bets2.php?", c.line_page}}));
  CurlHttpClient client(ShortLimits());
  PageReport report;
  const std::string line = DownloadLine(client, site.base(), {}, &report);
  std::vector<PageFault> faults;
  for (const PageProblem& problem : report) faults.push_back(problem.fault);
  EXPECT_EQ(faults, c.faults);
  EXPECT_EQ(line, DownloadLine(client, site.base(), {}));
}

const std::string kMenu =
    "<html>Футбол<br><input type=checkbox value=\"7\">Футбол. Англия<br>долгосрочные"_w1251s;

INSTANTIATE_TEST_SUITE_P(
    Pages, LineFaults,
    ::testing::Values(
        LineCase{"menu and line page in UTF-8",
                 Answer(U(kMenu)),
                 Answer(U("Футбол. Англия:<table></table>name=cc"_w1251)),
                 {PageFault::kUtf8LinePage, PageFault::kUtf8LinePage}},
        LineCase{"no championship heading",
                 Answer(kMenu),
                 Answer("<table></table>name=cc"),
                 {PageFault::kNoChampionshipHeading}},
        LineCase{"no football sections",
                 Answer("<html></html>"),
                 Answer("", 500),
                 {PageFault::kNoFootballSections, PageFault::kStatus}},
        LineCase{"line page cut off", Answer(kMenu), ShortBody(false), {PageFault::kCutOff}}),
    [](const auto& info) {
      std::string name;
      for (char ch : info.param.name)
        name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
      return name;
    });

}  // namespace
}  // namespace kavero::testing::hostile
