#include "line/load_line.h"

#include <gtest/gtest.h>

#include "line_page_fixture.h"
#include "support/loopback_server.h"
#include "web/curl/curl_http_client.h"

namespace kavero {
namespace {

using namespace kavero::testing;

const std::string kHome = "Арсенал"_w1251s;
const std::string kAway = "Челси"_w1251s;
const std::string kEngland = "Англия. Премьер-лига"_w1251s;       // flag 30
const std::string kNetherlands = "Нидерланды. Эредивизи"_w1251s;  // no flag
constexpr Date kToday{2024, 3, 5};

std::string Match(std::string_view link) {
  return MatchTr("18:00", kHome, kAway, link);
}

// Two championships whose dates interleave, with every kind of date text.
std::string LinePage() {
  return Section(kEngland,
                 DateRow("19.02.2011") + Match("e1") + DateRow("20.02.2011") + Match("e2")) +
         Section(kNetherlands, Match("undated") + DateRow("19.02.2011") + Match("n1") +
                                   DateRow("Суббота, 21.02.2011"_w1251) + Match("weekday") +
                                   DateRow("99.99.9999") + Match("unreal") +
                                   DateRow(" 19.02.2011") + Match("padded") +
                                   DateRow("21.02.2011") + Match("n2") +
                                   // The separator in a date row leaves a field 1 without ".".
                                   DateRow("2011-02-22>>.") + Match("separated")) +
         "<form name=cc>";
}

class LoadLineFromSite : public ::testing::Test {
 protected:
  void Serve(const std::string& line_page) {
    server_.server().Get("/bets/bets.php",
                         [](const auto&, auto& res) { res.set_content("", "text/html"); });
    server_.server().Get("/bets/bets2.php", [line_page](const auto&, auto& res) {
      res.set_content(line_page, "text/html");
    });
    server_.Start();
  }
  void Load(std::string_view short_date_format) {
    LoadLine(table_, client_, server_.base(), RunHooks{&gauge_, {}}, kToday, short_date_format);
  }

  LoopbackServer server_;
  CurlHttpClient client_;
  Gauge gauge_;
  MatchTable table_;
};

TEST_F(LoadLineFromSite, GroupsRowsByDateInOrderOfFirstAppearance) {
  Serve(LinePage());
  table_.push_back(MatchRow{});
  Load("dd.MM.yyyy");

  std::vector<std::pair<std::string, std::string>> dates_and_links;
  for (const auto& row : table_) dates_and_links.emplace_back(row.date, row.url);
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"19.02.2011", "e1"}, {"19.02.2011", "n1"},  {"20.02.2011", "e2"},
      {"21.02.2011", "n2"}, {"05.03.2024", "x13"},
  };
  EXPECT_EQ(dates_and_links, expected);

  const auto& first = table_.front();
  EXPECT_EQ(first.flag, 30);
  EXPECT_EQ(first.championship, kEngland);
  EXPECT_EQ(first.time, "18:00");
  EXPECT_EQ(first.home, kHome);
  EXPECT_EQ(first.away, kAway);
  EXPECT_EQ(first.total, "2.5");
  EXPECT_EQ(first.under, "1.85");
  EXPECT_EQ(first.over, "1.95");
  EXPECT_EQ(table_[1].flag, 0);
  EXPECT_EQ(table_[1].championship, kNetherlands);
  for (const auto& row : table_) {
    EXPECT_EQ(row.step1, 0);
    EXPECT_EQ(row.step2, 0);
  }
  // Distinct dates: 19.02, 20.02, the weekday, 99.99, the padded one, 21.02, 2011-02-22.
  EXPECT_EQ(gauge_.maximum, 7);
  EXPECT_EQ(gauge_.value, 0);
}

TEST_F(LoadLineFromSite, ShowsDatesInTheUsersShortFormat) {
  Serve(LinePage());
  const std::pair<const char*, const char*> cases[] = {{"dd.MM.yyyy", "19.02.2011"},
                                                       {"M/d/yy", "2/19/11"}};
  for (const auto& [format, shown] : cases) {
    Load(format);
    ASSERT_FALSE(table_.empty());
    EXPECT_EQ(table_.front().date, shown) << format;
  }
}

TEST_F(LoadLineFromSite, EmptyLineEmptiesTheTableAndKeepsTheGauge) {
  Serve("no line today");
  table_.push_back(MatchRow{});
  gauge_.SetValue(7);
  Load("dd.MM.yyyy");
  EXPECT_TRUE(table_.empty());
  EXPECT_EQ(gauge_.value, 7);
}

}  // namespace
}  // namespace kavero
