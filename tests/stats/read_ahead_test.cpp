#include "stats/read_ahead.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>

#include "base/encoding.h"
#include "base/run_hooks.h"
#include "fake_page_batch.h"
#include "fake_page_source.h"
#include "page_fixtures.h"
#include "stats/load_match_stats.h"
#include "stats/step_indicators.h"
#include "support/loopback_server.h"
#include "web/curl/curl_http_client.h"
#include "web/curl/multi_fetcher.h"

namespace kavero {
namespace {

using namespace std::chrono_literals;
using testing::FakePageBatch;
using testing::FakePageSource;
using testing::LeagueRowHtml;
using testing::LoopbackServer;
using testing::Row;
using testing::StatisticsPage;
using testing::TeamPage;

TEST(PagesOfRow, ListsWhatLoadMatchStatsAsksFor) {
  const std::vector<std::string> list{"Home>>http://t/home>>", "Away>>http://t/away>>", "Blank>>>>",
                                      "home>>http://t/lower>>", "Home>>http://t/second>>"};
  struct Case {
    const char* home;
    const char* away;
    const char* url;
    std::vector<std::string> pages;
  };
  const Case cases[] = {
      {"Home",
       "Away",
       "bets/stat.php?id=1",
       {"http://site/bets/stat.php?id=1", "http://t/home", "http://t/away"}},
      {"Home", "Away", "bets/match.php?id=1", {"http://t/home", "http://t/away"}},
      {"Unknown", "Blank", "stat/2", {"http://site/stat/2"}},
      {"Away", "Away", "", {"http://t/away", "http://t/away"}},
      {"Home ", "HOME", "", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.home) + " - " + c.away + " " + c.url);
    MatchRow row;
    row.home = c.home;
    row.away = c.away;
    row.url = c.url;
    EXPECT_EQ(PagesOfRow(row, "http://site/", list), c.pages);
  }
}

// Four dated results per side and one head-to-head match, so that both
// indicators come out non-zero.
std::string FullStatisticsPage(const std::string& home, const std::string& away) {
  std::string home_rows, away_rows;
  for (const char* score : {"2:1 (1:0)", "0:0 (0:0)", "3:2 (1:1)", "1:1 (0:1)"}) {
    home_rows += Row({"01.03.2011", home + " - X", score});
    away_rows += Row({"02.03.2011", "Y - " + away, score});
  }
  return StatisticsPage(home_rows, away_rows, Row({"03.03.2010", home + " - " + away, "1:0"}));
}

std::string FullTeamPage(const std::string& team) {
  return TeamPage(LeagueRowHtml("3", team, "25"), {"2:1", "0:0", "4:2", "1:0"});
}

struct RowOutcome {
  MatchStats stats;
  double step1 = 0;
  double step2 = 0;
};

void ExpectSame(const std::vector<RowOutcome>& got, const std::vector<RowOutcome>& expected) {
  ASSERT_EQ(got.size(), expected.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    SCOPED_TRACE("row " + std::to_string(i));
    const auto& a = got[i];
    const auto& b = expected[i];
    EXPECT_EQ(a.stats.home_recent, b.stats.home_recent);
    EXPECT_EQ(a.stats.away_recent, b.stats.away_recent);
    EXPECT_EQ(a.stats.meetings, b.stats.meetings);
    for (std::size_t side = 0; side < 2; ++side) {
      EXPECT_EQ(a.stats.league_rows[side].cells, b.stats.league_rows[side].cells);
    }
    for (std::size_t r = 0; r < 3; ++r) {
      EXPECT_EQ(a.stats.totals[r].team, b.stats.totals[r].team);
      EXPECT_EQ(a.stats.totals[r].numbers, b.stats.totals[r].numbers);
      EXPECT_EQ(a.stats.totals[r].green, b.stats.totals[r].green);
    }
    EXPECT_EQ(a.step1, b.step1);
    EXPECT_EQ(a.step2, b.step2);
  }
}

// The same passes over pages in memory, where what the pass starts, holds and
// gives back is seen exactly.
class ReadAheadOrderTest : public ::testing::Test {
 protected:
  static constexpr const char* kSite = "http://site/";

  // Matches H<i> - A<i> with their statistics and team pages; `pad` makes
  // each statistics page that long.
  MatchTable ServeMatches(std::size_t count, bool teams, std::size_t pad = 0) {
    MatchTable table;
    for (std::size_t i = 0; i < count; ++i) {
      const std::string home = "H" + std::to_string(i);
      const std::string away = "A" + std::to_string(i);
      std::string page = FullStatisticsPage(home, away);
      if (page.size() + 7 < pad) page += "<!--" + std::string(pad - page.size() - 7, 'x') + "-->";
      Serve(std::string(kSite) + "stat/" + std::to_string(i), page);
      if (teams) {
        for (const auto& team : {home, away}) {
          const std::string address = "http://teams/" + team;
          team_page_list.push_back(team);
          team_page_list.back().append(">>").append(address).append(">>");
          Serve(address, FullTeamPage(team));
        }
      }
      MatchRow row;
      row.home = home;
      row.away = away;
      row.url = "stat/" + std::to_string(i);
      table.push_back(row);
    }
    return table;
  }

  void Serve(const std::string& address, const std::string& body) {
    batch.Serve(address, body);
    pages.Serve(address, body);
  }

  RowOutcome Load(const MatchRow& row, PageSource& source) {
    RowOutcome outcome;
    LoadMatchStats(row, source, kSite, team_page_list, outcome.stats);
    outcome.step1 = ComputeStep1(outcome.stats.home_recent, outcome.stats.away_recent);
    outcome.step2 =
        ComputeStep2(outcome.stats.home_recent, outcome.stats.away_recent, row.home, row.away);
    return outcome;
  }

  std::vector<RowOutcome> LoadInTurn(const MatchTable& table) {
    std::vector<RowOutcome> outcomes;
    for (const auto& row : table) outcomes.push_back(Load(row, pages));
    return outcomes;
  }

  FakePageBatch batch;
  FakePageSource pages;
  std::vector<std::string> team_page_list;
};

TEST_F(ReadAheadOrderTest, StartsThePagesInRowOrderAndAtMostTheWindowAhead) {
  constexpr std::size_t kRows = 20;
  constexpr std::size_t kWindow = 4;
  const MatchTable table = ServeMatches(kRows, true);
  const auto plan = PlanPass(table, kSite, team_page_list);

  ReadAhead ahead(batch, plan, kWindow);
  std::vector<RowOutcome> outcomes;
  for (std::size_t i = 0; i < kRows; ++i) {
    ahead.WaitForRow(i, [] {});
    const std::size_t rows_started = std::min(kRows, i + kWindow);
    EXPECT_LE(ahead.PagesHeld(), 3 * kWindow);
    EXPECT_EQ(batch.started.size(), 3 * rows_started);
    outcomes.push_back(Load(table[i], ahead));
  }
  EXPECT_EQ(ahead.PagesHeld(), 0u);
  std::vector<std::string> in_row_order;
  for (const auto& row : plan) in_row_order.insert(in_row_order.end(), row.begin(), row.end());
  EXPECT_EQ(batch.started, in_row_order);
  EXPECT_TRUE(batch.abandoned.empty());
  ExpectSame(outcomes, LoadInTurn(table));
}

TEST_F(ReadAheadOrderTest, PagesAheadAreGivenBackTheFarthestFirstWhenTheyOutgrowTheBudget) {
  constexpr std::size_t kRows = 12;
  constexpr std::size_t kPage = 64 << 10;
  constexpr std::size_t kBudget = 96 << 10;
  const MatchTable table = ServeMatches(kRows, false, kPage);
  const auto plan = PlanPass(table, kSite, team_page_list);

  ReadAhead ahead(batch, plan, kRows, kBudget);
  std::size_t most_held = 0;
  std::vector<RowOutcome> outcomes;
  for (std::size_t i = 0; i < kRows; ++i) {
    ahead.WaitForRow(i, [&] { most_held = std::max(most_held, ahead.BytesHeld()); });
    most_held = std::max(most_held, ahead.BytesHeld());
    outcomes.push_back(Load(table[i], ahead));
  }
  ExpectSame(outcomes, LoadInTurn(table));
  // The budget, with the awaited row's page on top (all twelve would be 768 KiB).
  EXPECT_LE(most_held, kBudget + 2 * kPage) << most_held;
  EXPECT_EQ(ahead.BytesHeld(), 0u);
  ASSERT_FALSE(batch.abandoned.empty());
  EXPECT_EQ(batch.abandoned.front(), plan.back().front());
  // What was given back is fetched anew when its row comes.
  EXPECT_EQ(batch.started.size(), kRows + batch.abandoned.size());
}

// Serves whatever the test lays out, counting requests per path.
class ReadAheadTest : public ::testing::Test {
 protected:
  struct Answer {
    std::string body;
    int status = 200;
    bool hung = false;  // answers nothing until the test ends
    std::string set_cookie{};
    std::string retry_after{};
  };

  ReadAheadTest() {
    server.server().set_keep_alive_timeout(1);
    server.server().set_keep_alive_max_count(1000);
    server.server().Get(
        R"(/.*)", [this](const httplib::Request& request, httplib::Response& response) {
          Answer answer;
          {
            std::unique_lock lock(mutex);
            ++requests[request.path];
            if (hold_while) {
              hung_released.wait_for(lock, 10s, [&] { return released || !hold_while(request); });
            }
            const auto found = answers.find(request.path);
            answer = found != answers.end() ? found->second : Answer{.body = "", .status = 404};
            if (site_rule) site_rule(request, answer);
            if (answer.hung) hung_released.wait_for(lock, 10s, [this] { return released; });
          }
          // An answer may end another request's hold.
          hung_released.notify_all();
          response.status = answer.status;
          if (!answer.set_cookie.empty()) response.set_header("Set-Cookie", answer.set_cookie);
          if (!answer.retry_after.empty()) response.set_header("Retry-After", answer.retry_after);
          response.set_content(answer.body, "text/html");
        });
    server.Start();
  }

  ~ReadAheadTest() override {
    {
      std::lock_guard lock(mutex);
      released = true;
    }
    hung_released.notify_all();
    server.Stop();
  }

  void Serve(const std::string& path, Answer answer) {
    std::lock_guard lock(mutex);
    answers[path] = std::move(answer);
  }

  // Lists the team with its page, which answers as given.
  void ServeTeam(const std::string& team, Answer answer) {
    const std::string path = "/team/" + team;
    team_page_list.push_back(team + ">>" + server.base() + path.substr(1) + ">>");
    Serve(path, std::move(answer));
  }

  int Requests(const std::string& path) {
    std::lock_guard lock(mutex);
    return requests[path];
  }
  int AllRequests() {
    std::lock_guard lock(mutex);
    int total = 0;
    for (const auto& [path, count] : requests) total += count;
    return total;
  }

  MatchRow Match(const std::string& home, const std::string& away, const std::string& url) {
    MatchRow row;
    row.home = home;
    row.away = away;
    row.url = url;
    return row;
  }

  // Matches H<i> - A<i> whose statistics and team pages all answer.
  MatchTable ServeMatches(std::size_t count) {
    MatchTable table;
    for (std::size_t i = 0; i < count; ++i) {
      const std::string home = "H" + std::to_string(i);
      const std::string away = "A" + std::to_string(i);
      Serve("/stat/" + std::to_string(i), {FullStatisticsPage(home, away)});
      ServeTeam(home, {FullTeamPage(home)});
      ServeTeam(away, {FullTeamPage(away)});
      table.push_back(Match(home, away, "stat/" + std::to_string(i)));
    }
    return table;
  }

  RowOutcome Load(const MatchRow& row, PageSource& pages) {
    RowOutcome outcome;
    LoadMatchStats(row, pages, server.base(), team_page_list, outcome.stats);
    outcome.step1 = ComputeStep1(outcome.stats.home_recent, outcome.stats.away_recent);
    outcome.step2 =
        ComputeStep2(outcome.stats.home_recent, outcome.stats.away_recent, row.home, row.away);
    return outcome;
  }

  std::vector<RowOutcome> LoadInTurn(const MatchTable& table, PageSource& pages) {
    std::vector<RowOutcome> outcomes;
    for (const auto& row : table) outcomes.push_back(Load(row, pages));
    return outcomes;
  }

  // The pass as the window runs it: wait for the row's pages, then read them.
  std::vector<RowOutcome> LoadAhead(const MatchTable& table, ReadAhead& ahead) {
    std::vector<RowOutcome> outcomes;
    for (std::size_t i = 0; i < table.size(); ++i) {
      ahead.WaitForRow(i, [this] { ++messages_processed; });
      outcomes.push_back(Load(table[i], ahead));
    }
    return outcomes;
  }

  LoopbackServer server;
  std::mutex mutex;
  std::condition_variable hung_released;
  bool released = false;
  std::map<std::string, Answer> answers;
  // Changes the laid-out answer as the site sees fit (cookies, throttling);
  // runs with the lock held.
  std::function<void(const httplib::Request&, Answer&)> site_rule;
  // Keeps a request waiting, unanswered, while it says so; runs with the lock held.
  std::function<bool(const httplib::Request&)> hold_while;
  std::map<std::string, int> requests;
  std::vector<std::string> team_page_list{"Unrelated>>http://127.0.0.1:1/>>"};
  int messages_processed = 0;
};

TEST_F(ReadAheadTest, GivesTheSequentialResultsDespiteFailures) {
  Serve("/stat/1", {FullStatisticsPage("Alpha", "Beta")});
  Serve("/stat/2", {.body = "gone", .status = 404});
  // Not UTF-8: still read, as Windows-1251.
  Serve("/stat/3", {*Utf8ToCp1251(FullStatisticsPage("Epsilon", "Beta"))});
  Serve("/stat/4", {FullStatisticsPage("Beta", "Alpha")});
  ServeTeam("Alpha", {FullTeamPage("Alpha")});
  ServeTeam("Beta", {TeamPage(LeagueRowHtml("1", "Beta", "30"), {"0:0", "5:0"})});
  // Not UTF-8: read as an empty page.
  ServeTeam("Gamma", {*Utf8ToCp1251(FullTeamPage("Gamma"))});
  ServeTeam("Delta", {.body = FullTeamPage("Delta"), .hung = true});
  ServeTeam("Epsilon", {.body = "gone", .status = 404});

  const MatchTable table{
      Match("Alpha", "Beta", "stat/1"),   Match("Gamma", "Omega", "stat/2"),
      Match("Delta", "Alpha", "match/9"), Match("Epsilon", "Beta", "stat/3"),
      Match("Beta", "Alpha", "stat/4"),
  };
  HttpLimits limits;
  limits.stall_timeout = 1s;
  CurlHttpClient client(limits);
  const auto sequential = LoadInTurn(table, client);
  ASSERT_EQ(sequential[0].stats.home_recent.size(), 4u);
  ASSERT_NE(sequential[0].step1, 0);
  ASSERT_EQ(sequential[3].stats.meetings.size(), 1u);
  ASSERT_EQ(sequential[2].stats.league_rows[0].cells[6], "0-0");

  MultiFetcher fetcher(client);
  ReadAhead ahead(fetcher, PlanPass(table, server.base(), team_page_list));
  ExpectSame(LoadAhead(table, ahead), sequential);
  // The stalled page was waited for with the window kept responsive.
  EXPECT_GT(messages_processed, 0);
  EXPECT_EQ(ahead.PagesHeld(), 0u);
}

// What the site answers depends on cookies that its own answers set.
TEST_F(ReadAheadTest, CookiesSetDuringThePassReadAsOneByOne) {
  struct Site {
    const char* name;
    std::function<void(const httplib::Request&, Answer&)> rule;
    std::size_t first_row_read_otherwise;  // rows from here on differ from row 0
  };
  const auto has_cookie = [](const httplib::Request& request, const std::string& cookie) {
    return request.get_header_value("Cookie").find(cookie) != std::string::npos;
  };
  const Site sites[] = {
      {"a session cookie from the first statistics page, 403 without it",
       [&](const httplib::Request& request, Answer& answer) {
         if (request.path == "/stat/0") {
           answer.set_cookie = "session=s1; Path=/";
         } else if (!has_cookie(request, "session=s1")) {
           answer = {.body = "no session", .status = 403};
         }
       },
       8},
      {"the cookie of the line changes at the third statistics page, and with it the pages",
       [&](const httplib::Request& request, Answer& answer) {
         if (request.path == "/line") answer.set_cookie = "season=1; Path=/";
         if (request.path == "/stat/2") answer.set_cookie = "season=2; Path=/";
         if (!has_cookie(request, "season=2")) return;
         // In the second season every goalless draw reads 5:5.
         for (std::size_t at = 0; (at = answer.body.find("0:0", at)) != std::string::npos;) {
           answer.body.replace(at, 3, "5:5");
         }
       },
       3},
  };
  const MatchTable table = ServeMatches(8);
  for (const auto& site : sites) {
    SCOPED_TRACE(site.name);
    site_rule = site.rule;
    // Each run starts without cookies and reads the line first, as the program does.
    CurlHttpClient one_by_one_client;
    one_by_one_client.Get(server.base() + "line");
    const auto one_by_one = LoadInTurn(table, one_by_one_client);
    ASSERT_NE(one_by_one[0].step1, 0);
    for (std::size_t i = 1; i < table.size(); ++i) {
      EXPECT_EQ(one_by_one[i].step1 == one_by_one[0].step1, i < site.first_row_read_otherwise)
          << "row " << i;
    }
    CurlHttpClient client;
    client.Get(server.base() + "line");
    MultiFetcher fetcher(client);
    ReadAhead ahead(fetcher, PlanPass(table, server.base(), team_page_list));
    ExpectSame(LoadAhead(table, ahead), one_by_one);
  }
}

// The site changes its session at the third statistics page it answers and
// refuses every page sent without the new session from then on. Reading ahead,
// the third answer goes to a later row while row 2's page waits at the site:
// that page, and any other refused after the change, is read again with the
// new cookie, so the table is the one read one by one.
TEST_F(ReadAheadTest, PagesRefusedAfterTheSessionChangedAreReadAgain) {
  int statistics_answered = 0;
  site_rule = [&](const httplib::Request& request, Answer& answer) {
    if (statistics_answered >= 3 &&
        request.get_header_value("Cookie").find("session=s2") == std::string::npos) {
      answer = {.body = "no session", .status = 403};
      return;
    }
    if (request.path.starts_with("/stat/") && ++statistics_answered == 3) {
      answer.set_cookie = "session=s2; Path=/";
    }
  };
  const MatchTable table = ServeMatches(8);
  CurlHttpClient one_by_one_client;
  const auto one_by_one = LoadInTurn(table, one_by_one_client);
  for (const auto& outcome : one_by_one) ASSERT_EQ(outcome.step1, one_by_one[0].step1);

  statistics_answered = 0;
  hold_while = [&](const httplib::Request& request) {
    return request.path == "/stat/2" && statistics_answered < 3;
  };
  CurlHttpClient client;
  MultiFetcher fetcher(client);
  ReadAhead ahead(fetcher, PlanPass(table, server.base(), team_page_list));
  ExpectSame(LoadAhead(table, ahead), one_by_one);
  EXPECT_EQ(Requests("/stat/2"), 1 + 2);
}

// Pages answered 429 or 503 with a short Retry-After are read after the wait.
TEST_F(ReadAheadTest, AThrottlingSiteGivesTheTableOfAHealthyOne) {
  const MatchTable table = ServeMatches(6);
  CurlHttpClient healthy_client;
  const auto healthy = LoadInTurn(table, healthy_client);

  std::map<std::string, int> throttled;
  site_rule = [&](const httplib::Request& request, Answer& answer) {
    const auto& path = request.path;
    if (path != "/stat/1" && path != "/stat/4" && path != "/team/A2") return;
    if (throttled[path]++ >= (path == "/stat/4" ? 2 : 1)) return;
    answer = {.body = "busy", .status = path == "/team/A2" ? 503 : 429, .retry_after = "1"};
  };
  CurlHttpClient client;
  MultiFetcher fetcher(client);
  ReadAhead ahead(fetcher, PlanPass(table, server.base(), team_page_list));
  ExpectSame(LoadAhead(table, ahead), healthy);
  EXPECT_EQ(Requests("/stat/4"), 1 + 3);

  throttled.clear();
  ExpectSame(LoadInTurn(table, client), healthy);
  EXPECT_EQ(Requests("/stat/4"), 1 + 3 + 3);
}

TEST_F(ReadAheadTest, AClubPlayingTwiceIsFetchedOncePerPass) {
  for (const std::string team : {"Alpha", "Beta", "Gamma", "Delta", "Kappa"}) {
    ServeTeam(team, {FullTeamPage(team)});
  }
  // Alpha's second match lies beyond the window when its first is read.
  const MatchTable table{
      Match("Alpha", "Beta", ""),  Match("Gamma", "Delta", ""), Match("Kappa", "Gamma", ""),
      Match("Delta", "Kappa", ""), Match("Beta", "Alpha", ""),
  };
  CurlHttpClient client;
  MultiFetcher fetcher(client);
  {
    ReadAhead ahead(fetcher, PlanPass(table, server.base(), team_page_list), 2);
    const auto outcomes = LoadAhead(table, ahead);
    EXPECT_EQ(outcomes[4].stats.league_rows[1].cells[1], "Alpha");
    EXPECT_EQ(outcomes[4].stats.totals[1].numbers[0], 4);
    EXPECT_EQ(ahead.PagesHeld(), 0u);
  }
  for (const std::string team : {"Alpha", "Beta", "Gamma", "Delta", "Kappa"}) {
    EXPECT_EQ(Requests("/team/" + team), 1) << team;
  }
  // A new pass reads the pages afresh.
  ReadAhead again(fetcher, PlanPass(table, server.base(), team_page_list), 2);
  LoadAhead(table, again);
  EXPECT_EQ(Requests("/team/Alpha"), 2);
}

TEST_F(ReadAheadTest, RowsReorderedDuringThePassStillGetTheirOwnPages) {
  MatchTable table = ServeMatches(5);

  CurlHttpClient client;
  MultiFetcher fetcher(client);
  ReadAhead ahead(fetcher, PlanPass(table, server.base(), team_page_list), 2);
  // The user sorts the grid after the pass has planned its pages.
  std::reverse(table.begin(), table.end());
  const auto read_ahead = LoadAhead(table, ahead);
  EXPECT_EQ(AllRequests(), 15);
  ExpectSame(read_ahead, LoadInTurn(table, client));
}

TEST_F(ReadAheadTest, APassStartedWhileAnotherWaitsLeavesBothWhole) {
  MatchTable table = ServeMatches(3);
  CurlHttpClient client;
  const auto sequential = LoadInTurn(table, client);

  // The user starts a second pass from the window while the first one waits:
  // it runs to its end on the same fetcher, taking the pages it shares.
  MultiFetcher fetcher(client);
  const auto plan = PlanPass(table, server.base(), team_page_list);
  ReadAhead outer(fetcher, plan);
  std::vector<RowOutcome> inner_outcomes;
  std::vector<RowOutcome> outer_outcomes;
  for (std::size_t i = 0; i < table.size(); ++i) {
    outer.WaitForRow(i, [&] {
      if (!inner_outcomes.empty()) return;
      ReadAhead inner(fetcher, plan);
      inner_outcomes = LoadAhead(table, inner);
    });
    outer_outcomes.push_back(Load(table[i], outer));
  }
  ASSERT_FALSE(inner_outcomes.empty());
  ExpectSame(inner_outcomes, sequential);
  ExpectSame(outer_outcomes, sequential);
}

TEST_F(ReadAheadTest, CancellingWhileWaitingLeavesTheFetcherUsable) {
  ServeTeam("Slow", {.body = FullTeamPage("Slow"), .hung = true});
  ServeTeam("Fast", {FullTeamPage("Fast")});

  const MatchTable table{Match("Slow", "Fast", "")};
  CurlHttpClient client;
  MultiFetcher fetcher(client);
  {
    ReadAhead ahead(fetcher, PlanPass(table, server.base(), team_page_list));
    EXPECT_THROW(ahead.WaitForRow(0, [] { throw RunCancelled(); }), RunCancelled);
  }
  // Nothing of the pass goes on running or stays stored.
  for (int i = 0; i < 10; ++i) fetcher.Poll(10ms);
  const auto fast = server.base() + "team/Fast";
  EXPECT_FALSE(fetcher.IsDone(fast));
  EXPECT_TRUE(fetcher.Fetch(fast).ok);
}

}  // namespace
}  // namespace kavero
