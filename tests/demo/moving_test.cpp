// The demo site moved on in time while it runs: its controls, the earlier
// days' matches played with one score wherever they show, and the matches
// still to come offered under the same link at moved prices.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/encoding.h"
#include "base/field_line.h"
#include "base/text_cuts.h"
#include "demo_site_fixture.h"
#include "line/line_download.h"
#include "stats/load_match_stats.h"
#include "stats/team_page.h"
#include "web/curl/curl_http_client.h"

namespace kavero::demo {
namespace {

constexpr const char* kFirstDay = "10.12.2026";
constexpr const char* kThreeDaysOn = "13.12.2026";

// The line's rows by their statistics link, each row's fields from 1 on.
using LineByLink = std::map<std::string, std::vector<std::string>>;

class MovingDemoTest : public testing::DemoSiteTest {
 protected:
  void SetUp() override {
    DemoSiteTest::SetUp();
    const FetchResult list = client_.Get(base() + "brr/beturl.txt");
    for (std::string_view entry : SplitLines(list.body)) team_page_list_.emplace_back(entry);
  }
  void TearDown() override {
    client_.Disconnect();  // the server waits for open connections as it stops
    DemoSiteTest::TearDown();
  }

  std::string Control(const std::string& path) {
    const auto answer = Client().Get(path);
    EXPECT_TRUE(answer && answer->status == 200) << path;
    return answer ? answer->body : "";
  }
  LineByLink Line() {
    LineByLink line;
    const std::string downloaded = DownloadLine(client_, base(), {});
    for (std::string_view row : SplitLines(downloaded)) {
      auto& fields = line[std::string(GetField(row, 16))];
      for (int field = 1; field <= 20; ++field) fields.emplace_back(GetField(row, field));
    }
    return line;
  }
  // The team page's records: the league row first, then the season's matches.
  std::vector<std::vector<std::string>> TeamRecords(const std::string& team) {
    std::vector<std::vector<std::string>> records;
    const std::string text = ReadTeamPage(client_, team, TeamPageAddress(team_page_list_, team));
    for (std::string_view line : SplitLines(text)) {
      auto& fields = records.emplace_back();
      for (int field = 1; field <= 8 && !GetField(line, field).empty(); ++field) {
        fields.emplace_back(GetField(line, field));
      }
    }
    return records;
  }

  CurlHttpClient client_;
  std::vector<std::string> team_page_list_;
};

std::string FinalScore(const std::string& score) {
  return score.substr(0, score.find(' '));
}

TEST_F(MovingDemoTest, TheControlsMoveTheDayAndTheLineWithIt) {
  struct Case {
    const char* path;
    int status;
    const char* answer;
  };
  const Case cases[] = {
      {"/demo/today", 200, "10.12.2026 00:00\n"},
      {"/demo/next-day", 200, "11.12.2026 00:00\n"},
      {"/demo/next-hour", 200, "11.12.2026 01:00\n"},
      {"/demo/today?date=2026-12-12&hour=23", 200, "12.12.2026 23:00\n"},
      {"/demo/next-hour", 200, "13.12.2026 00:00\n"},
      {"/demo/today?date=2026-12-09", 400, "The demo moves from 10.12.2026 to 11.12.2027\n"},
      {"/demo/today?date=2026-12-32", 400, "Invalid date: 2026-12-32\n"},
      {"/demo/today?date=2026-12-12&hour=24", 400, "Invalid hour: 24\n"},
      {"/demo/today", 200, "13.12.2026 00:00\n"},
  };
  auto client = Client();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const auto answer = client.Get(c.path);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->status, c.status);
    EXPECT_EQ(answer->body, c.answer);
  }

  // The line now offers the week from the day moved to, which reaches into
  // the week after the first one.
  const std::set<std::string> week = {kThreeDaysOn, "14.12.2026", "15.12.2026", "16.12.2026",
                                      "17.12.2026", "18.12.2026", "19.12.2026"};
  std::set<std::string> days;
  for (const auto& [link, fields] : Line()) days.insert(fields[0]);
  EXPECT_TRUE(std::includes(week.begin(), week.end(), days.begin(), days.end()));
  EXPECT_EQ(days.count(kThreeDaysOn), 1u);
  EXPECT_EQ(days.count("17.12.2026"), 1u);
  EXPECT_EQ(client.Post("/demo/next-day", "", "text/plain")->body, "14.12.2026 00:00\n");
}

TEST_F(MovingDemoTest, TheFirstDaysMatchesShowOneScoreOnTheLaterStatisticsAndTeamPages) {
  const std::set<std::string> three_days = {kFirstDay, "11.12.2026", "12.12.2026"};
  std::vector<std::vector<std::string>> first_day;
  std::map<std::string, int> played_before;    // team -> league row's games on the first day
  std::map<std::string, int> matches_to_play;  // team -> its matches in the three days
  for (const auto& [link, fields] : Line()) {
    if (fields[0] == kFirstDay) first_day.push_back(fields);
    if (!three_days.count(fields[0])) continue;
    for (const std::string& team : {fields[2], fields[3]}) ++matches_to_play[team];
  }
  ASSERT_GT(first_day.size(), 20u);
  for (const auto& match : first_day) {
    for (const std::string& team : {match[2], match[3]}) {
      played_before[team] = std::stoi(TeamRecords(team).front().at(2));
    }
  }

  for (int day = 0; day < 3; ++day) Control("/demo/next-day");
  const LineByLink later_line = Line();
  std::map<std::string, const std::vector<std::string>*> later_match;  // team -> a row of it
  for (const auto& [link, fields] : later_line) {
    for (const std::string& team : {fields[2], fields[3]}) later_match.emplace(team, &fields);
  }

  int on_statistics_pages = 0;
  for (const auto& match : first_day) {
    const std::string& home = match[2];
    const std::string& away = match[3];
    SCOPED_TRACE(Cp1251ToUtf8(home) + " - " + Cp1251ToUtf8(away));
    EXPECT_EQ(later_line.count(match[15]), 0u);  // played, so no longer offered
    EXPECT_EQ(Client().Get("/" + match[15])->status, 404);

    std::string score;
    for (const std::string& team : {home, away}) {
      const auto records = TeamRecords(team);
      EXPECT_EQ(std::stoi(records.front().at(2)), played_before[team] + matches_to_play[team]);
      int found = 0;
      for (std::size_t r = 1; r < records.size(); ++r) {
        if (records[r].at(0) != kFirstDay) continue;
        EXPECT_EQ(records[r].at(1), home);
        if (score.empty()) score = records[r].at(3);
        EXPECT_EQ(records[r].at(3), score);
        ++found;
      }
      EXPECT_EQ(found, 1);
    }

    const auto later = later_match.find(home);
    if (later == later_match.end()) continue;
    MatchRow row;
    row.home = (*later->second)[2];
    row.away = (*later->second)[3];
    row.url = (*later->second)[15];
    MatchStats stats;
    LoadMatchStats(row, client_, base(), team_page_list_, stats);
    const HistoryTable& recent = row.home == home ? stats.home_recent : stats.away_recent;
    const auto shown = std::find_if(recent.begin(), recent.end(), [](const HistoryRow& result) {
      return result.date == kFirstDay;
    });
    ASSERT_NE(shown, recent.end());
    EXPECT_EQ(FinalScore(shown->score), score);
    ++on_statistics_pages;
  }
  EXPECT_GT(on_statistics_pages, 10);
}

TEST_F(MovingDemoTest, AMatchStillToComeKeepsItsLinkAtMovedPrices) {
  const LineByLink first_line = Line();
  Control("/demo/today?date=2026-12-13");
  const LineByLink later_line = Line();
  Control("/demo/next-hour");
  Control("/demo/next-hour");
  const LineByLink hours_later = Line();
  Control("/demo/today?date=2026-12-13");
  EXPECT_EQ(Line(), later_line);  // a moment always shows the same

  int both_days = 0, moved = 0, moved_within_the_day = 0;
  for (const auto& [link, fields] : later_line) {
    const auto first = first_line.find(link);
    if (first == first_line.end()) continue;
    ++both_days;
    SCOPED_TRACE(link);
    // Date, time, teams and every price but the total's stay as first offered.
    for (int field = 0; field < 16; ++field) EXPECT_EQ(fields[field], first->second[field]);
    EXPECT_EQ(fields[19], first->second[19]);
    const std::vector<std::string> total(fields.begin() + 16, fields.begin() + 19);
    moved +=
        total != std::vector<std::string>(first->second.begin() + 16, first->second.begin() + 19);
    const auto& later = hours_later.at(link);
    moved_within_the_day +=
        total != std::vector<std::string>(later.begin() + 16, later.begin() + 19);
    const double margin = 1 / std::stod(fields[17]) + 1 / std::stod(fields[18]) - 1;
    EXPECT_GT(margin, 0.04);
    EXPECT_LT(margin, 0.09);
  }
  EXPECT_GT(both_days, 50);
  EXPECT_GT(moved, both_days / 2);
  EXPECT_GT(moved_within_the_day, 0);
}

}  // namespace
}  // namespace kavero::demo
