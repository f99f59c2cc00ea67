#include "stats/history_reader.h"

#include <gtest/gtest.h>

#include "base/encoding.h"
#include "fake_page_source.h"
#include "page_fixtures.h"

namespace kavero {

void PrintTo(const HistoryRow& row, std::ostream* out) {
  *out << '{' << row.date << " | " << row.match << " | " << row.score << '}';
}

namespace {

using testing::FakePageSource;
using testing::HistoryTableHtml;
using testing::Row;
using testing::StatisticsPage;

constexpr std::string_view kSite = "http://site/";
constexpr std::string_view kLink = "stat/match/1";

HistoryRow Past(std::string date, std::string match, std::string score) {
  return {std::move(date), std::move(match), std::move(score)};
}

class HistoryGridsTest : public ::testing::Test {
 protected:
  MatchStats Load(const std::string& page, std::string_view link = kLink) {
    pages.Serve(std::string(kSite) + std::string(link), page);
    MatchStats stats;
    stats.home_recent = stats.away_recent = stats.meetings = {Past("stale", "stale", "stale")};
    LoadHistoryGrids(pages, kSite, link, stats);
    return stats;
  }

  FakePageSource pages;
};

TEST_F(HistoryGridsTest, ReadsTheThreeSectionsIntoTheirGrids) {
  const auto stats = Load(StatisticsPage(
      Row({"01.03.2011", "<b>A</b> - X", "2:1 (1:0)"}),
      Row({"02.03.2011", "Y - <b>B</b>", "0:0 (0:0)"}) + Row({"03.03.2011", "B - Z", "1:3 (0:1)"}),
      Row({"04.03.2010", "A - B", "2:2 (1:1)"})));
  EXPECT_EQ(pages.requests, std::vector<std::string>{"http://site/stat/match/1"});
  EXPECT_EQ(stats.home_recent, HistoryTable{Past("01.03.2011", "A - X", "2:1 (1:0)")});
  EXPECT_EQ(stats.away_recent, (HistoryTable{Past("02.03.2011", "Y - B", "0:0 (0:0)"),
                                             Past("03.03.2011", "B - Z", "1:3 (0:1)")}));
  EXPECT_EQ(stats.meetings, HistoryTable{Past("04.03.2010", "A - B", "2:2 (1:1)")});
}

TEST_F(HistoryGridsTest, CellsAreCleanedTheWayThePageNeeds) {
  const std::string rows =
      "<tr><td class=\"d\">05.03.2011</td><td> <a href=\"/m\">A - X</a> "
      "</td><td>&nbsp;</td></tr>\n" +
      Row({"Итого", "3 матча", "5:4"}) +                  // no date: left out
      Row({" 06.03.2011 ", "<<b>b>A</b> - X", " 1:0 "});  // the date keeps its spaces
  const auto stats = Load(StatisticsPage(rows, "", ""));
  EXPECT_EQ(stats.home_recent,
            (HistoryTable{Past("05.03.2011", "A - X", "0"), Past(" 06.03.2011 ", "A - X", "1:0")}));
}

TEST_F(HistoryGridsTest, LinkWithoutStatAsksForNothingAndEmptiesTheGrids) {
  const auto stats = Load(StatisticsPage(Row({"01.03.2011", "A - X", "2:1"}), "", ""), "match/1");
  EXPECT_TRUE(pages.requests.empty());
  EXPECT_TRUE(stats.home_recent.empty());
  EXPECT_TRUE(stats.away_recent.empty());
  EXPECT_TRUE(stats.meetings.empty());
}

TEST_F(HistoryGridsTest, SinglePageSectionsFallBackAsTheCutsGive) {
  const auto table = HistoryTableHtml(Row({"01.03.2011", "A - X", "2:1"}));
  const HistoryTable one_row{Past("01.03.2011", "A - X", "2:1")};

  // Only one recent-results section: the second grid repeats the first table.
  auto stats = Load("<h2>Последние игры</h2>" + table + "<h2>Очные встречи</h2>" +
                    HistoryTableHtml(Row({"02.02.2010", "A - B", "0:1"})));
  EXPECT_EQ(stats.home_recent, one_row);
  EXPECT_EQ(stats.away_recent, one_row);
  EXPECT_EQ(stats.meetings, HistoryTable{Past("02.02.2010", "A - B", "0:1")});

  // No section words at all: the first table still lands in the first two grids.
  stats = Load("<html>" + table);
  EXPECT_EQ(stats.home_recent, one_row);
  EXPECT_EQ(stats.away_recent, one_row);
  EXPECT_TRUE(stats.meetings.empty());
}

TEST_F(HistoryGridsTest, PageThatIsNotUtf8IsReadAsWindows1251) {
  const auto page = StatisticsPage(Row({"01.03.2011", "Зенит - X", "2:1"}), "", "");
  const auto stats = Load(*Utf8ToCp1251(page));
  ASSERT_EQ(stats.home_recent.size(), 1u);
  EXPECT_EQ(Cp1251ToUtf8(stats.home_recent[0].match), "Зенит - X");
}

TEST_F(HistoryGridsTest, FailedRequestReadsWhatArrived) {
  const auto page = StatisticsPage(Row({"01.03.2011", "A - X", "2:1"}), "", "");
  pages.Serve("http://site/stat/1", page.substr(0, page.find("<h2>Последние игры гостей")), false);
  MatchStats stats;
  LoadHistoryGrids(pages, kSite, "stat/1", stats);
  EXPECT_EQ(stats.home_recent, HistoryTable{Past("01.03.2011", "A - X", "2:1")});

  LoadHistoryGrids(pages, kSite, "stat/unknown", stats);
  EXPECT_TRUE(stats.home_recent.empty());
}

TEST_F(HistoryGridsTest, CellWithoutClosingTagEndsTheTableCleanly) {
  const auto stats = Load(StatisticsPage(
      Row({"01.03.2011", "A - X", "2:1"}) + "<tr><td>02.03.2011<td>A - Y<td>1:1", "", ""));
  EXPECT_EQ(stats.home_recent, HistoryTable{Past("01.03.2011", "A - X", "2:1")});
}

}  // namespace
}  // namespace kavero
