#include "stats/team_page.h"

#include <gtest/gtest.h>

#include "base/encoding.h"
#include "fake_page_source.h"
#include "page_fixtures.h"

namespace kavero {
namespace {

using testing::FakePageSource;
using testing::LeagueRowHtml;
using testing::Row;
using testing::TeamPage;

constexpr std::string_view kDefaultRecord = "0>>0>>0>>0>>0>>0>>0-0>>0>>\r\n";

TEST(FindTeamEntry, MatchesTheWholeFirstFieldExactly) {
  const std::vector<std::string> list{"Team FC>>http://a/>>", "team>>http://b/>>",
                                      "Team>>http://c/>>", "Team>>http://d/>>"};
  EXPECT_EQ(FindTeamEntry(list, "Team"), "Team>>http://c/>>");
  EXPECT_EQ(FindTeamEntry(list, "Team F"), "");
  EXPECT_EQ(FindTeamEntry({}, "Team"), "");
}

class TeamPageTest : public ::testing::Test {
 protected:
  std::string Read(const std::string& page, std::string_view team = "Team") {
    pages.Serve("http://teams/1", page);
    return Cp1251ToUtf8(ReadTeamPage(pages, team, "http://teams/1"));
  }

  FakePageSource pages;
};

TEST_F(TeamPageTest, ReadsTheLeagueRowAndEveryMatch) {
  const auto text = Read(TeamPage(
      LeagueRowHtml("1", "Other", "40") + LeagueRowHtml("3", "Team", "20"), {"2:1", "0:0"}));
  EXPECT_EQ(text,
            "3>>Team>>10>>6>>2>>2>>20-10>>20>>\r\n"
            "12.03.11>>Хозяева>>Гости>>2:1>>\r\n"
            "12.03.11>>Хозяева>>Гости>>0:0>>\r\n");
}

TEST_F(TeamPageTest, LaterBoldRowOfTheTeamWins) {
  const auto text =
      Read(TeamPage(LeagueRowHtml("3", "Team", "20") + LeagueRowHtml("7", "Team FC", "9") +
                        LeagueRowHtml("5", "Team", "15"),
                    {}));
  EXPECT_EQ(text, "5>>Team>>10>>6>>2>>2>>20-10>>15>>\r\n");
}

TEST_F(TeamPageTest, PagesWithoutAUsableLeagueRowGiveTheDefaultRecord) {
  const auto league = LeagueRowHtml("3", "Team", "20");
  const struct {
    const char* name;
    std::string page;
  } cases[] = {
      {"no bold row for the team", TeamPage(LeagueRowHtml("3", "Other", "20"), {})},
      {"name differs in case", TeamPage(LeagueRowHtml("3", "TEAM", "20"), {})},
      {"not UTF-8", *Utf8ToCp1251(TeamPage(league, {"2:1"}))},
      {"empty page", ""},
      // Without the section marker the whole page is the match area.
      {"no match section", "<table>" + league + "</table>"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Read(c.page), kDefaultRecord) << c.name;
  }
}

TEST_F(TeamPageTest, EmptyAddressAsksForNothing) {
  EXPECT_EQ(ReadTeamPage(pages, "Team", ""), kDefaultRecord);
  EXPECT_TRUE(pages.requests.empty());
}

TEST_F(TeamPageTest, LeagueRowWithEmptyCellsIsKeptAsItIs) {
  const auto text = Read(TeamPage(Row({"", "<b>Team</b>", "", "", "", "", "", "", "1"}), {}));
  EXPECT_EQ(text, ">>Team>>" + std::string(10, '>') + "1>>\r\n");
}

TEST_F(TeamPageTest, MatchRowsWithOtherLayoutsYieldWhatTheCutsGive) {
  const std::string odd_rows =
      "<html>Матчи с участием</td></tr>\n"
      "<tr><td>01.01.11</td><td>Home</td><td>Away</td><td>3:0</td></tr>\n"  // plain cells
      "<tr class=x><td class=d>02.01.11</td></tr>\n"  // no plain cell: reads the next row
      "<tr><td>03.01.11</td><td><b>A</b></td><td>x</td><td>1:1</td></tr>\n"
      "</table>";
  EXPECT_EQ(Read(odd_rows), std::string(kDefaultRecord) +
                                "01.01.11>>>>Away>>3:0>>\r\n"
                                "03.01.11>>A>>x>>1:1>>\r\n"
                                "03.01.11>>A>>x>>1:1>>\r\n");
}

}  // namespace
}  // namespace kavero
