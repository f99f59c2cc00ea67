// The generated pages as the program's own readers see them, without HTTP.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/encoding.h"
#include "base/field_line.h"
#include "base/text_cuts.h"
#include "demo_site_fixture.h"
#include "line/line_download.h"
#include "line_pages.h"
#include "page_text.h"
#include "publisher_files.h"

namespace kavero::demo {
namespace {

using testing::TestWorld;

std::vector<std::string> AllLineIds(const World& world) {
  std::vector<std::string> ids;
  for (const Championship& championship : world.championships) {
    ids.push_back(std::to_string(championship.line_id));
  }
  return ids;
}

TEST(LinePages, EveryMatchIsReadWithItsDatePricesAndLink) {
  const World world = TestWorld();
  const std::string page = LineTablesPage(world, AllLineIds(world));
  // Several tag spellings are in use, so the parser's case handling is exercised.
  for (std::string_view tag : {"<td", "<TD", "<Td", "</TD", "<TR", "COLSPAN", "Colspan"}) {
    EXPECT_NE(page.find(tag), std::string::npos) << tag;
  }

  const std::string parsed = ParseLinePage(page, {});
  const auto lines = SplitLines(parsed);
  ASSERT_EQ(lines.size(), world.fixtures.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Fixture& fixture = world.fixtures[i];
    const auto field = [&](int n) { return Cp1251ToUtf8(GetField(lines[i], n)); };
    SCOPED_TRACE(lines[i]);
    EXPECT_EQ(field(1), DayText(fixture.day));
    EXPECT_EQ(field(2), ClockText(fixture.kickoff));
    EXPECT_EQ(field(3), world.clubs[fixture.home].russian);
    EXPECT_EQ(field(4), world.clubs[fixture.away].russian);
    EXPECT_EQ(field(16), "stat/" + std::to_string(fixture.id) + ".html");
    EXPECT_EQ(field(17), TotalText(fixture.odds.total));
    EXPECT_EQ(field(18), PriceText(fixture.odds.under));
    EXPECT_EQ(field(19), PriceText(fixture.odds.over));
    EXPECT_EQ(field(20), world.championships[world.ChampionshipOf(fixture)].russian);
  }
}

TEST(LinePages, OnlyRequestedChampionshipsAreServedInMenuOrder) {
  const World world = TestWorld();
  const std::string page = LineTablesPage(world, {"105", "999", "101"});
  const std::string parsed = ParseLinePage(page, {});
  const auto lines = SplitLines(parsed);
  const Championship& first = world.championships[0];
  const Championship& second = world.championships[4];
  ASSERT_EQ(lines.size(), first.fixtures.size() + second.fixtures.size());
  EXPECT_EQ(Cp1251ToUtf8(GetField(lines.front(), 20)), first.russian);
  EXPECT_EQ(Cp1251ToUtf8(GetField(lines.back(), 20)), second.russian);

  EXPECT_EQ(ParseLinePage(LineTablesPage(world, {}), {}), "");
}

TEST(LinePages, MenuListsOnlyChampionshipsWithMatches) {
  const World world = TestWorld(5);
  const std::string menu = LineMenuPage(world);
  const std::string football = InCp1251("Футбол: долгосрочные");
  const std::string listed = menu.substr(0, menu.find(football));
  int boxes = 0;
  for (std::size_t at = listed.find("checkbox"); at != std::string::npos;
       at = listed.find("checkbox", at + 1)) {
    ++boxes;
  }
  EXPECT_EQ(boxes, 1);  // five matches all come from the first championship
  EXPECT_NE(menu.find(InCp1251("Футбол. Англия. Премьер-лига")), std::string::npos);
}

TEST(PublisherFiles, TeamAddressesAndDictionariesCoverEveryClub) {
  const World world = TestWorld();
  const std::string address_list = TeamAddressList(world, "http://127.0.0.1:9/");
  const auto addresses = SplitLines(address_list);
  ASSERT_EQ(addresses.size(), 2 * world.clubs.size());
  EXPECT_EQ(Cp1251ToUtf8(addresses[0]), "Арсенал>>http://127.0.0.1:9/teams/ru/1.html>>");
  EXPECT_EQ(addresses[1], "Arsenal>>http://127.0.0.1:9/teams/en/1.html>>");

  const std::string teams = TeamDictionaryFile(world);
  EXPECT_EQ(teams.substr(0, teams.find("\r\n") + 2), InCp1251("Arsenal=Арсенал\r\n"));
  EXPECT_EQ(SplitLines(teams).size(), world.clubs.size());

  const std::string championships = ChampionshipDictionaryFile(world);
  EXPECT_EQ(championships.substr(0, championships.find("\r\n") + 2),
            InCp1251("Англия. Премьер-лига=England. Premier League\r\n"));
  EXPECT_EQ(SplitLines(championships).size(), world.championships.size());
}

}  // namespace
}  // namespace kavero::demo
