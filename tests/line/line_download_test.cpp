#include "line/line_download.h"

#include <gtest/gtest.h>

#include <mutex>

#include "base/text_cuts.h"
#include "line/line_parser.h"
#include "line_page_fixture.h"
#include "support/loopback_server.h"
#include "web/curl/curl_http_client.h"

namespace kavero {
namespace {

using namespace kavero::testing;

const std::string kHome = "Арсенал"_w1251s;
const std::string kAway = "Челси"_w1251s;
const std::string kFootball = "Футбол. "_w1251s;

std::string Match(std::string_view date, std::string_view championship) {
  return MatchLine(date, "18:00", kHome, kAway, championship);
}

struct PageCase {
  const char* name;
  std::string page;
  std::string expected;
  int sections;
};

std::vector<PageCase> PageCases() {
  const auto rows = DateRow("19.02.2011") + MatchTr("18:00", kHome, kAway);
  const std::string england = "Англия. Премьер-лига"_w1251s;
  const std::string spain = "Испания"_w1251s;
  return {
      {"every section in page order, names without the last character",
       "<p>" + Section(england, rows) + "<hr>" + kFootball + spain + "<br>" + Table(rows) +
           " name=cc",
       Match("19.02.2011", england) + Match("19.02.2011", "Испани"_w1251), 2},
      {"a heading inside a section starts one more section",
       kFootball + spain + ":" + "<table><tr><td>" + kFootball + "Кубок:</td></tr>"_w1251s + rows +
           "</table> name=cc",
       Match("19.02.2011", spain) + Match("19.02.2011", "Кубок"_w1251), 2},
      {"rows after the section's table are not read",
       Section(spain, rows) + "<table><tr></tr>" + MatchTr("18:00", kHome, kAway) +
           "</table> name=cc",
       Match("19.02.2011", spain), 1},
      {"nothing after the form is read", Section(spain, rows) + "name=cc" + Section(england, rows),
       Match("19.02.2011", spain), 1},
      {"a page without the form gives nothing", Section(spain, rows) + Section(england, rows), "",
       0},
      {"a heading without a table gives nothing", kFootball + "name=cc", "", 1},
  };
}

TEST(ParseLinePage, CutsChampionshipSectionsFromThePage) {
  for (const auto& c : PageCases()) {
    Gauge gauge;
    EXPECT_EQ(ParseLinePage(c.page, RunHooks{&gauge, {}}), c.expected) << c.name;
    EXPECT_EQ(gauge.value, c.sections) << c.name;
  }
}

TEST(ParseLinePage, LetsTheWindowWorkPerSectionAndPerMatch) {
  const auto rows = MatchTr("18:00", kHome, kAway) + MatchTr("19:00", kHome, kAway);
  const auto page = Section("A", rows) + Section("B", rows) + "name=cc";
  int calls = 0;
  ParseLinePage(page, RunHooks{nullptr, [&] { ++calls; }});
  EXPECT_EQ(calls, 2 + 4);
}

// The page read the plain way: every section cut with the plain routines and
// read on its own.
std::string ReadSectionBySection(std::string_view page) {
  const std::string_view heading_marker = "Футбол."_w1251;
  std::string lines;
  auto rest = TextBefore(page, "name=cc");
  while (TextPos(heading_marker, rest) != 0) {
    rest = TextFrom(rest, heading_marker);
    const auto heading = TextBefore(rest, "<");
    const auto championship = Trim(TextSlice(heading, TextPos(heading_marker, heading) + 7,
                                             static_cast<std::int64_t>(heading.size()) - 8));
    lines += ParseLineTable(TextSlice(rest, 1, TextPos("</table>", rest) + 8), championship);
    rest = TextAfter(rest, heading_marker, 1);
  }
  return lines;
}

TEST(ParseLinePage, ReadsEverySectionAsIfCutOnItsOwn) {
  const std::string_view pieces[] = {"Футбол. "_w1251,
                                     "Футбол."_w1251,
                                     "A:",
                                     "<tr>",
                                     "</tr>",
                                     "<TR>",
                                     "</TR>",
                                     "<td>",
                                     "</td>",
                                     "<TD class=x>",
                                     "</Td>",
                                     "<td colspan=2>",
                                     "COLSPAN",
                                     "19.02.2011",
                                     "Время"_w1251,
                                     "ХОЗЯЕВА"_w1251,
                                     "Угл "_w1251,
                                     "x",
                                     " ",
                                     "</table>",
                                     "</table",
                                     "<",
                                     ">",
                                     "\r\n",
                                     "<a href=\"s\">"};
  unsigned seed = 5;
  for (int round = 0; round < 3000; ++round) {
    std::string page;
    for (int i = 0; i < 60; ++i) {
      seed = seed * 1103515245u + 12345u;
      page += pieces[(seed >> 16) % std::size(pieces)];
    }
    if (round % 4 != 0) page += "name=cc";
    ASSERT_EQ(ParseLinePage(page, RunHooks{}), ReadSectionBySection(page)) << page;
  }
}

// The bookmaker site on loopback: records the target of every request.
class BookmakerSite : public ::testing::Test {
 protected:
  void Serve(std::string menu, std::string line) {
    server_.server().Get("/bets/bets.php", [this, menu](const auto& req, auto& res) {
      Record(req.target);
      res.set_content(menu, "text/html");
    });
    server_.server().Get("/bets/bets2.php", [this, line](const auto& req, auto& res) {
      Record(req.target);
      res.set_content(line, "text/html");
    });
    server_.Start();
  }
  void Record(const std::string& target) {
    std::lock_guard lock(mutex_);
    targets_.push_back(target);
  }
  std::vector<std::string> Targets() {
    std::lock_guard lock(mutex_);
    return targets_;
  }
  std::string Download() { return DownloadLine(client_, server_.base(), RunHooks{&gauge_, {}}); }

  LoopbackServer server_;
  CurlHttpClient client_;
  Gauge gauge_;
  std::mutex mutex_;
  std::vector<std::string> targets_;
};

const std::string kLinePage =
    Section("Англия"_w1251,
            DateRow("19.02.2011") + MatchTr("18:00", "Арсенал"_w1251, "Челси"_w1251)) +
    "<form name=cc>";

TEST_F(BookmakerSite, AsksForTheFootballSectionsOfTheMenu) {
  const auto menu =
      "<a>Теннис</a><b>Футбол</b><br>\n"
      "<input type=checkbox value=\"12\"> <b>Футбол. Англия</b><br>\n"
      "<input type=checkbox value=\"5<b>7</b>\"> Футбол. Испания<br>\n"
      "<input type=checkbox value=\"9 &9\"> Футбол. Кубок<br>\n"
      "<input type=checkbox value=\"a-1.b_2~\"> Футбол. Италия<br>\n"
      "Футбол. долгосрочные ставки\n"
      "<input type=checkbox value=\"99\"> Футбол. Чемпион мира<br>\n"_w1251;
  Serve(std::string(menu), kLinePage);
  EXPECT_EQ(Download(), Match("19.02.2011", "Англия"_w1251));
  const std::vector<std::string> expected = {
      "/bets/bets.php?line_id[]=1",
      "/bets/bets2.php?line_id[]=12&line_id[]=57&line_id[]=9%20%269&line_id[]=a-1.b_2~&"};
  EXPECT_EQ(Targets(), expected);
  EXPECT_EQ(gauge_.maximum, 4);
  EXPECT_EQ(gauge_.value, 1);
}

TEST_F(BookmakerSite, MenuWithoutLongTermBetsSelectsNothing) {
  Serve("<b>Футбол</b> <input type=checkbox value=\"12\"> Футбол. Англия"_w1251s, kLinePage);
  gauge_.SetMaximum(40);
  EXPECT_EQ(Download(), Match("19.02.2011", "Англия"_w1251));
  EXPECT_EQ(Targets(),
            (std::vector<std::string>{"/bets/bets.php?line_id[]=1", "/bets/bets2.php?"}));
  EXPECT_EQ(gauge_.maximum, 40);
}

// An answer that promises more than it sends: the connection drops after `part`.
void SendCutShort(httplib::Response& res, const std::string& part) {
  res.set_content_provider(part.size() + 1000, "text/html",
                           [part](std::size_t, std::size_t, httplib::DataSink& sink) {
                             sink.write(part.data(), part.size());
                             return false;
                           });
}

TEST_F(BookmakerSite, AMenuCutShortIsReadAsFarAsItArrived) {
  server_.server().Get("/bets/bets.php", [this](const auto& req, auto& res) {
    Record(req.target);
    SendCutShort(res,
                 "<b>Футбол</b> <input type=checkbox value=\"12\"> Футбол. Англия"
                 " Футбол. долгосрочные"_w1251s);
  });
  server_.server().Get("/bets/bets2.php", [this](const auto& req, auto& res) {
    Record(req.target);
    res.set_content(kLinePage, "text/html");
  });
  server_.Start();
  EXPECT_EQ(Download(), Match("19.02.2011", "Англия"_w1251));
  EXPECT_EQ(Targets(), (std::vector<std::string>{"/bets/bets.php?line_id[]=1",
                                                 "/bets/bets2.php?line_id[]=12&"}));
}

TEST_F(BookmakerSite, AFailedLinePageGivesTheEmptyLine) {
  server_.server().Get("/bets/bets.php", [this](const auto& req, auto& res) {
    Record(req.target);
    res.status = 500;
  });
  server_.server().Get("/bets/bets2.php", [this](const auto& req, auto& res) {
    Record(req.target);
    SendCutShort(res, kLinePage);
  });
  server_.Start();
  gauge_.SetMaximum(40);
  EXPECT_EQ(Download(), "");
  EXPECT_EQ(Targets(),
            (std::vector<std::string>{"/bets/bets.php?line_id[]=1", "/bets/bets2.php?"}));
  EXPECT_EQ(gauge_.value, 0);
  // What arrived held a whole section: it is the failure that empties the line.
  const auto cut_short = CurlHttpClient().Get(server_.base() + "bets/bets2.php?");
  EXPECT_FALSE(cut_short.ok);
  EXPECT_EQ(cut_short.body, kLinePage);
}

}  // namespace
}  // namespace kavero
