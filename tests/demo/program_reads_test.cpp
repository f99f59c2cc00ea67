// The program's own statistics readers against the demo site: every served
// match yields its histories, both league rows and the teams' totals, in both
// languages, and a club's results agree wherever they are shown.
#include <gtest/gtest.h>

#include <map>

#include "base/encoding.h"
#include "base/field_line.h"
#include "base/text_cuts.h"
#include "demo_site_fixture.h"
#include "line/line_download.h"
#include "page_text.h"
#include "stats/load_match_stats.h"
#include "stats/team_page.h"
#include "team_pages.h"
#include "web/curl/curl_http_client.h"

namespace kavero::demo {
namespace {

class ProgramReadsDemoTest : public testing::DemoSiteTest {
 protected:
  void SetUp() override {
    DemoSiteTest::SetUp();
    const FetchResult list = client_.Get(base() + "brr/beturl.txt");
    for (std::string_view entry : SplitLines(list.body)) team_page_list_.emplace_back(entry);
    const std::string downloaded = DownloadLine(client_, base(), {});
    for (std::string_view line : SplitLines(downloaded)) {
      MatchRow row;
      row.home = GetField(line, 3);
      row.away = GetField(line, 4);
      row.url = GetField(line, 16);
      line_.push_back(row);
    }
    ASSERT_EQ(line_.size(), world_.fixtures.size());
  }
  void TearDown() override {
    client_.Disconnect();  // the server waits for open connections as it stops
    DemoSiteTest::TearDown();
  }

  MatchStats Load(const MatchRow& row) {
    MatchStats stats;
    LoadMatchStats(row, client_, base(), team_page_list_, stats);
    return stats;
  }
  // The league row the club's own page shows: position, then the figures.
  std::vector<std::string> ExpectedLeagueRow(int club, std::string_view name) const {
    const auto table = Standings(world_, world_.clubs[club].championship);
    for (std::size_t i = 0; i < table.size(); ++i) {
      const StandingRow& row = table[i];
      if (row.club != club) continue;
      return {std::to_string(i + 1),
              InCp1251(name),
              std::to_string(row.played),
              std::to_string(row.won),
              std::to_string(row.drawn),
              std::to_string(row.lost),
              std::to_string(row.goals_for) + "-" + std::to_string(row.goals_against),
              std::to_string(row.Points())};
    }
    return {};
  }

  const World world_ = testing::TestWorld();
  CurlHttpClient client_;
  std::vector<std::string> team_page_list_;
  MatchTable line_;
};

TEST_F(ProgramReadsDemoTest, EveryServedMatchLoadsHistoriesLeagueRowsAndTotals) {
  for (std::size_t i = 0; i < line_.size(); ++i) {
    const Fixture& fixture = world_.fixtures[i];
    SCOPED_TRACE(line_[i].url);
    const MatchStats stats = Load(line_[i]);
    EXPECT_GE(stats.home_recent.size(), 4u);
    EXPECT_GE(stats.away_recent.size(), 4u);
    EXPECT_FALSE(stats.meetings.empty());
    for (const HistoryTable* table : {&stats.home_recent, &stats.away_recent, &stats.meetings}) {
      for (const HistoryRow& row : *table) {
        EXPECT_EQ(row.date.size(), 10u);
        EXPECT_NE(row.match.find(" - "), std::string::npos);
        EXPECT_EQ(row.match.find('<'), std::string::npos);
      }
    }
    const int clubs[2] = {fixture.home, fixture.away};
    for (int side = 0; side < 2; ++side) {
      const auto& cells = stats.league_rows[side].cells;
      EXPECT_EQ(std::vector<std::string>(cells.begin(), cells.end()),
                ExpectedLeagueRow(clubs[side], world_.clubs[clubs[side]].russian));
      // Every match of the season is counted.
      EXPECT_EQ(stats.totals[side].numbers[0], std::stoi(cells[2]));
    }
    EXPECT_EQ(Cp1251ToUtf8(stats.totals[2].team), "Общее");
  }
}

TEST_F(ProgramReadsDemoTest, EnglishNamesFindTheEnglishTeamPages) {
  MatchRow row = line_.front();
  const Fixture& fixture = world_.fixtures.front();
  row.home = world_.clubs[fixture.home].english;
  row.away = world_.clubs[fixture.away].english;
  const MatchStats stats = Load(row);
  const auto& home = stats.league_rows[0].cells;
  EXPECT_EQ(std::vector<std::string>(home.begin(), home.end()),
            ExpectedLeagueRow(fixture.home, world_.clubs[fixture.home].english));
  EXPECT_EQ(stats.league_rows[1].cells[1], row.away);
  EXPECT_GT(stats.totals[2].numbers[0], 0);
}

// A club's results on the statistics pages of its different matches, and the
// final scores on its team page, are the same matches.
TEST_F(ProgramReadsDemoTest, AClubsResultsAgreeOnEveryPage) {
  std::map<std::string, HistoryTable> recent_by_club;
  int compared = 0;
  for (const MatchRow& row : line_) {
    const MatchStats stats = Load(row);
    for (const auto& [name, history] :
         {std::pair{row.home, stats.home_recent}, {row.away, stats.away_recent}}) {
      const auto [seen, first] = recent_by_club.emplace(name, history);
      if (!first) {
        EXPECT_EQ(seen->second, history) << Cp1251ToUtf8(name);
        ++compared;
      }
    }
  }
  EXPECT_GT(compared, 10);

  const MatchRow& row = line_.front();
  const std::string address(GetField(FindTeamEntry(team_page_list_, row.home), 2));
  std::map<std::string, std::string> team_page_scores;  // date -> final score
  const std::string records = ReadTeamPage(client_, row.home, address);
  for (std::string_view record : SplitLines(records)) {
    team_page_scores[std::string(GetField(record, 1))] = GetField(record, 4);
  }
  for (const HistoryRow& result : recent_by_club[row.home]) {
    const auto score = team_page_scores.find(result.date);
    if (score == team_page_scores.end()) continue;  // a match of the previous season
    EXPECT_EQ(result.score.substr(0, result.score.find(' ')), score->second) << result.date;
  }
}

}  // namespace
}  // namespace kavero::demo
