#include "stats/load_match_stats.h"

#include <gtest/gtest.h>

#include "base/encoding.h"
#include "fake_page_source.h"
#include "page_fixtures.h"

namespace kavero {
namespace {

using testing::FakePageSource;
using testing::LeagueRowHtml;
using testing::Row;
using testing::StatisticsPage;
using testing::TeamPage;

using Numbers = std::array<int, 7>;
using Greens = std::array<bool, 3>;

// `count` matches with the given total of goals each.
std::vector<std::string> Scores(std::initializer_list<std::pair<int, int>> goals_and_counts) {
  std::vector<std::string> scores;
  for (auto [goals, count] : goals_and_counts) {
    for (int i = 0; i < count; ++i) scores.push_back(std::to_string(goals) + ":0");
  }
  return scores;
}

class LoadMatchStatsTest : public ::testing::Test {
 protected:
  LoadMatchStatsTest() {
    row.home = "Home";
    row.away = "Away";
    row.url = "stat/1";
    pages.Serve("http://site/stat/1",
                StatisticsPage(Row({"01.03.2011", "Home - X", "2:1 (1:0)"}), "", ""));
  }

  void ServeTeam(const std::string& team, const std::string& page) {
    const auto address = "http://teams/" + team;
    team_page_list.push_back(team + ">>" + address + ">>");
    pages.Serve(address, page);
  }

  void ServeTeam(const std::string& team, const std::vector<std::string>& scores) {
    ServeTeam(team, TeamPage(LeagueRowHtml("1", team, "30"), scores));
  }

  const MatchStats& Load() {
    LoadMatchStats(row, pages, "http://site/", team_page_list, stats);
    return stats;
  }

  MatchRow row;
  FakePageSource pages;
  std::vector<std::string> team_page_list{"Unrelated>>http://teams/none>>"};
  MatchStats stats;
};

TEST_F(LoadMatchStatsTest, ReadsStatisticsPageThenHomeThenAway) {
  ServeTeam("Away", Scores({{3, 1}}));
  ServeTeam("Home", Scores({{1, 1}}));
  Load();
  EXPECT_EQ(pages.requests, (std::vector<std::string>{"http://site/stat/1", "http://teams/Home",
                                                      "http://teams/Away"}));
  ASSERT_EQ(stats.home_recent.size(), 1u);
  EXPECT_EQ(stats.league_rows[0].cells,
            (std::array<std::string, 8>{"1", "Home", "10", "6", "2", "2", "20-10", "30"}));
  EXPECT_EQ(stats.league_rows[1].cells[1], "Away");
  EXPECT_EQ(stats.totals[0].team, "Home");
  EXPECT_EQ(stats.totals[1].team, "Away");
  EXPECT_EQ(Cp1251ToUtf8(stats.totals[2].team), "Общее");
}

TEST_F(LoadMatchStatsTest, LinkWithoutStatStillReadsBothTeams) {
  row.url = "match/1";
  ServeTeam("Home", Scores({{1, 1}}));
  ServeTeam("Away", Scores({{1, 1}}));
  Load();
  EXPECT_EQ(pages.requests, (std::vector<std::string>{"http://teams/Home", "http://teams/Away"}));
  EXPECT_TRUE(stats.home_recent.empty());
  EXPECT_EQ(stats.totals[2].numbers, (Numbers{2, 2, 0, 0, 100, 0, 0}));
}

TEST_F(LoadMatchStatsTest, PercentagesRoundHalvesToEven) {
  ServeTeam("Home", Scores({{0, 1}, {1, 2}, {2, 4}, {3, 1}}));  // 7, 5, 1 of 8
  ServeTeam("Away", Scores({{0, 5}, {1, 3}}));                  // 3, 0, 0 of 8
  Load();
  EXPECT_EQ(stats.totals[0].numbers, (Numbers{8, 7, 5, 1, 88, 62, 12}));
  EXPECT_EQ(stats.totals[1].numbers, (Numbers{8, 3, 0, 0, 38, 0, 0}));
  EXPECT_EQ(stats.totals[2].numbers, (Numbers{16, 10, 5, 1, 62, 31, 6}));
}

TEST_F(LoadMatchStatsTest, GreenFromNinetySeventyAndFiftyFivePerCent) {
  ServeTeam("Home", Scores({{0, 2}, {1, 4}, {2, 3}, {3, 11}}));     // 90, 70, 55
  ServeTeam("Away", Scores({{0, 11}, {1, 20}, {2, 15}, {4, 54}}));  // 89, 69, 54
  Load();
  EXPECT_EQ(stats.totals[0].numbers, (Numbers{20, 18, 14, 11, 90, 70, 55}));
  EXPECT_EQ(stats.totals[1].numbers, (Numbers{100, 89, 69, 54, 89, 69, 54}));
  EXPECT_EQ(stats.totals[0].green, (Greens{true, true, true}));
  EXPECT_EQ(stats.totals[1].green, (Greens{false, false, false}));
  EXPECT_EQ(stats.totals[2].green, (Greens{false, false, false}));  // 107, 83, 65 of 120
}

TEST_F(LoadMatchStatsTest, OnlyScoresValuedMinusOneAreLeftOut) {
  ServeTeam("Home", std::vector<std::string>{"2:1", "-1:0", "-:-", "x:1", "7"});
  ServeTeam("Away", Scores({{1, 1}}));
  Load();
  // 3, -2 (counted, no goals), 0, 6 counted; -1 left out.
  EXPECT_EQ(stats.totals[0].numbers, (Numbers{4, 2, 2, 2, 50, 50, 50}));
}

TEST_F(LoadMatchStatsTest, AwayTeamWithoutMatchesLeavesCombinedRowAndColoursOut) {
  ServeTeam("Home", Scores({{3, 4}}));
  ServeTeam("Away", std::vector<std::string>{});
  Load();
  EXPECT_EQ(stats.totals[0].numbers, (Numbers{4, 4, 4, 4, 100, 100, 100}));
  EXPECT_EQ(stats.totals[0].green, (Greens{false, false, false}));
  EXPECT_EQ(stats.league_rows[1].cells[1], "Away");
  EXPECT_EQ(stats.totals[1].team, "");
  EXPECT_EQ(stats.totals[1].numbers, Numbers{});
  EXPECT_EQ(stats.totals[2].team, "");
}

TEST_F(LoadMatchStatsTest, HomeTeamWithoutMatchesAddsFreshZeros) {
  ServeTeam("Away", Scores({{3, 2}}));  // Home is not in the list at all
  Load();
  EXPECT_EQ(stats.league_rows[0].cells,
            (std::array<std::string, 8>{"0", "0", "0", "0", "0", "0", "0-0", "0"}));
  EXPECT_EQ(stats.totals[0].team, "");
  EXPECT_EQ(stats.totals[2].numbers, (Numbers{2, 2, 2, 2, 100, 100, 100}));
  EXPECT_EQ(stats.totals[2].green, (Greens{true, true, true}));
}

TEST_F(LoadMatchStatsTest, ATeamPageThatFailsIsNotedForItsSideOnly) {
  ServeTeam("Home", Scores({{3, 4}}));
  team_page_list.push_back("Away>>http://teams/gone>>");  // answers "not found"
  Load();
  EXPECT_FALSE(stats.team_failures[0]);
  ASSERT_TRUE(stats.team_failures[1]);
  EXPECT_EQ(stats.team_failures[1]->address, "http://teams/gone");
  EXPECT_EQ(stats.league_rows[1].cells[1], "0");  // what the page reader gives, as before

  // A page that came but holds no row for the team, and a team without a
  // page, are read as they are: no failure.
  team_page_list.clear();
  ServeTeam("Away", "<html>no row here</html>");
  row.home = "Nobody";
  Load();
  EXPECT_EQ(stats.team_failures, (std::array<std::optional<PageProblem>, 2>{}));
  EXPECT_EQ(stats.problems.size(), 1u);  // the missing row, as explained
}

TEST_F(LoadMatchStatsTest, EveryCallStartsFromFreshRows) {
  ServeTeam("Home", Scores({{3, 4}}));
  ServeTeam("Away", Scores({{3, 4}}));
  Load();
  ASSERT_EQ(stats.totals[2].green, (Greens{true, true, true}));

  row.home = "Nobody";
  row.away = "Nobody either";
  Load();
  for (const auto& totals : stats.totals) {
    EXPECT_EQ(totals.team, "");
    EXPECT_EQ(totals.numbers, Numbers{});
    EXPECT_EQ(totals.green, Greens{});
  }
  EXPECT_EQ(stats.league_rows[0].cells[1], "0");
}

TEST_F(LoadMatchStatsTest, RecordBrokenByALineBreakIsSplitAsTheLinesFall) {
  // The league row's first cell holds a line break: its first field ends the
  // team record's first line, and the rest reads as a match line.
  ServeTeam("Home", TeamPage(Row({"\r\n", "<b>Home</b>", "1", "2", "3", "4", "5", "x", "6"}), {}));
  ServeTeam("Away", Scores({{1, 1}}));
  Load();
  EXPECT_EQ(stats.league_rows[0].cells, (std::array<std::string, 8>{}));
  EXPECT_EQ(stats.totals[0].numbers, (Numbers{1, 1, 0, 0, 100, 0, 0}));  // field 4 "2" is 1 goal

  ServeTeam("Home", TeamPage(Row({std::string(1, '\0') + "1", "<b>Home</b>"}), {}));
  Load();  // no line at all is left: an empty league row, no crash
  EXPECT_EQ(stats.league_rows[0].cells, (std::array<std::string, 8>{}));
}

}  // namespace
}  // namespace kavero
