// The Start button: the whole analysis run against a loopback bookmaker and publisher.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <atomic>

#include "app/regional.h"
#include "app/status_line.h"
#include "fixture_site.h"
#include "web/form_encode.h"

namespace kavero::app::testing {
namespace {

std::string TodayText() {
  return FormatDate(Today(), "dd.MM.yyyy");
}

class AnalysisRunTest : public WindowTest {
 protected:
  // `team_pages` lists club names (UTF-8) and their page paths on this site.
  MainWindow& OpenSite(const std::vector<std::pair<std::string, std::string>>& team_pages = {}) {
    site_.pages["/brr/basa.txt"] = W("Arsenal=Арсенал\r\nChelsea = Челси\r\n");
    site_.pages["/brr/chemp.txt"] = W("Англия=England. Premier League\r\n");
    site_.Serve(server_);
    server_.Start();
    for (const auto& [name, path] : team_pages) {
      site_.pages["/brr/beturl.txt"] += W(name) + ">>" + server_.base() + path + ">>\r\n";
    }
    WindowConfig config = Config(server_.base());
    config.read_ahead = read_ahead_;
    return Open(config);
  }
  void Start() { Control<QPushButton>("spSkinXFormButton1")->click(); }
  QStringList ComboEntries() {
    QStringList entries;
    auto* combo = Control<QComboBox>("combo");
    for (int i = 0; i < combo->count(); ++i) entries << combo->itemText(i);
    return entries;
  }

  void ExpectStatisticsReadWithTranslatedNames();

  FixtureSite site_;
  bool read_ahead_ = true;
};

TEST_F(AnalysisRunTest, EnglishWithoutStatisticsTranslatesAndEndsOnTheResultsScreen) {
  site_.matches = {{"28.12.2026", "Арсенал", "Челси", "stat/1.html"},
                   {"28.12.2026", "Челси", "Фулхэм", "stat/2.html"},
                   {"05.01.2027", "Фулхэм", "Арсенал", "stat/3.html"}};
  MainWindow& window = OpenSite();
  Start();

  const MatchTable& rows = window.Core().Rows(Grid::kAll);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].home, "Arsenal");
  EXPECT_EQ(rows[0].away, "Chelsea");
  EXPECT_EQ(rows[1].away, W("Фулхэм"));  // not in the dictionary
  EXPECT_EQ(rows[0].championship, "England. Premier League");
  for (const MatchRow& row : rows) {
    EXPECT_EQ(row.step1, 0);
    EXPECT_EQ(row.step2, 0);
  }
  EXPECT_FALSE(site_.Requested("/stat/"));
  EXPECT_FALSE(site_.Requested("/kavero/"));
  EXPECT_EQ(ComboEntries(), (QStringList{" все", "05.01.2027", "28.12.2026"}));
  EXPECT_EQ(Control<QComboBox>("combo")->currentIndex(), -1);
  EXPECT_EQ(Caption("kol"), "3");
  EXPECT_FALSE(Control("pan1")->isVisibleTo(window_.get()));
  EXPECT_TRUE(Control("pan2")->isVisibleTo(window_.get()));
  EXPECT_FALSE(Control("spSkinXFormButton1")->isVisibleTo(window_.get()));
  EXPECT_FALSE(Control("E")->isVisibleTo(window_.get()));
  EXPECT_TRUE(std::filesystem::exists(folder_ / "saves.txt"));
  EXPECT_EQ(ReadFile(folder_ / "saves.txt"), "");
  EXPECT_TRUE(site_.Posts().empty());
  EXPECT_TRUE(errors_.isEmpty());
}

void AnalysisRunTest::ExpectStatisticsReadWithTranslatedNames() {
  site_.matches = {{"28.12.2026", "Арсенал", "Челси", "stat/1.html"}};
  site_.pages["/stat/1.html"] = WorkedExamplePage();
  MainWindow& window = OpenSite({{"Арсенал", "teams/ru.html"}, {"Arsenal", "teams/en.html"}});
  Control<QCheckBox>("ch")->setChecked(false);
  Start();

  ASSERT_EQ(window.Core().Rows(Grid::kAll).size(), 1u);
  EXPECT_EQ(window.Core().Rows(Grid::kAll)[0].step1, 2.5);
  EXPECT_EQ(window.Core().Rows(Grid::kAll)[0].step2, 1.96875);  // the English names occur nowhere
  EXPECT_TRUE(site_.Requested("GET /stat/1.html"));
  EXPECT_TRUE(site_.Requested("GET /teams/en.html"));
  EXPECT_FALSE(site_.Requested("GET /teams/ru.html"));
}

TEST_F(AnalysisRunTest, EnglishStatisticsAreReadWithTheTranslatedNames) {
  ExpectStatisticsReadWithTranslatedNames();
}

TEST_F(AnalysisRunTest, EnglishStatisticsAreReadWithTheTranslatedNamesOneByOne) {
  read_ahead_ = false;
  ExpectStatisticsReadWithTranslatedNames();
}

TEST_F(AnalysisRunTest, RussianPublishesTodaysMatchesWhenTodaysFileIsMissing) {
  const std::string today = TodayText();
  site_.matches = {{today, "A", "B", "stat/1.html"},
                   {"01.01.2031", "C", "D", "stat/2.html"},
                   {today, "B", "A", "stat/3.html"}};
  site_.pages["/stat/1.html"] = WorkedExamplePage();
  MainWindow& window = OpenSite();
  Control<QPushButton>("R")->click();
  Start();

  const MatchTable& published = window.Core().Rows(Grid::kDay);
  ASSERT_EQ(published.size(), 2u);
  EXPECT_EQ(published[0].home, "A");
  EXPECT_EQ(published[0].step1, 2.5);
  EXPECT_EQ(published[0].step2, 1.78);  // 1.78125 to two decimals
  EXPECT_EQ(published[1].home, "B");
  EXPECT_EQ(published[1].step1, 0);  // no statistics page: fewer than four rows
  EXPECT_EQ(Caption("sh1"), "0");    // the last row's values
  EXPECT_EQ(Caption("sh2"), "0");

  const std::string saved = ReadFile(folder_ / "saves.txt");
  EXPECT_EQ(saved, today + ">>19:00>>A>>B>>2.5>>1.9>>1.8>>stat/1.html>>2,5>>1,78>>" +
                       W("Англия. Премьер-лига") + ">>\r\n" + today +
                       ">>19:00>>B>>A>>2.5>>1.9>>1.8>>stat/3.html>>0>>0>>" +
                       W("Англия. Премьер-лига") + ">>\r\n");
  ASSERT_EQ(site_.Posts().size(), 1u);
  EXPECT_EQ(site_.Posts()[0], "datas=" + FormEncode(today) + "&stext=" + FormEncode(saved) + "&");
  EXPECT_EQ(window.Core().CurrentLanguage(), Language::kRussian);
}

// The publishing pass reads today's rows again; one it cannot read keeps what
// the statistics pass of the same run computed, rounded as published.
TEST_F(AnalysisRunTest, ARowThePublishingPassCannotReadKeepsTheRunsValue) {
  const std::string today = TodayText();
  site_.matches = {{today, "A", "B", "stat/1.html"}, {today, "C", "D", "stat/2.html"}};
  std::atomic<int> reads = 0;
  server_.server().Get(R"(/stat/\d\.html)",
                       [&](const httplib::Request&, httplib::Response& response) {
                         // The statistics pass reads both; the publishing pass neither.
                         if (++reads > 2) {
                           response.status = 500;
                           return;
                         }
                         response.set_content(WorkedExamplePage(), "text/html");
                       });
  MainWindow& window = OpenSite();
  Control<QPushButton>("R")->click();
  Control<QCheckBox>("ch")->setChecked(false);
  Start();

  const MatchTable& published = window.Core().Rows(Grid::kDay);
  ASSERT_EQ(published.size(), 2u);
  EXPECT_EQ(published[0].step1, 2.5);
  EXPECT_EQ(published[0].step2, 1.78);
  EXPECT_FALSE(published[0].steps_not_read.has_value());
  const std::string saved = ReadFile(folder_ / "saves.txt");
  EXPECT_NE(saved.find("stat/1.html>>2,5>>1,78>>"), std::string::npos) << saved;
  ASSERT_EQ(site_.Posts().size(), 1u);
  EXPECT_EQ(site_.Posts()[0], "datas=" + FormEncode(today) + "&stext=" + FormEncode(saved) + "&");
  const QString status = QString(Control<StatusLine>("statusLine")->FullText())
                             .replace(QChar(0x00A0), QLatin1Char(' '));
  EXPECT_TRUE(status.contains("не прочитано при публикации: 2")) << status.toStdString();
  EXPECT_TRUE(
      status.endsWith(" · опубликовано за " + QString::fromStdString(today) + ": матчей: 2"))
      << status.toStdString();
}

TEST_F(AnalysisRunTest, RussianLeavesThePublishedDayAlone) {
  site_.matches = {{TodayText(), "A", "B", "stat/1.html"}};
  site_.pages["/stat/1.html"] = WorkedExamplePage();
  site_.today_published = true;
  MainWindow& window = OpenSite();
  Control<QPushButton>("R")->click();
  Start();

  EXPECT_TRUE(window.Core().Rows(Grid::kDay).empty());
  EXPECT_TRUE(site_.Posts().empty());
  EXPECT_FALSE(site_.Requested("/stat/"));
  EXPECT_EQ(Caption("sh1"), "0");
  EXPECT_EQ(ReadFile(folder_ / "saves.txt"), "");
}

TEST_F(AnalysisRunTest, RussianWithoutMatchesTodayStillPublishesAnEmptyTable) {
  site_.matches = {{"01.01.2031", "A", "B", "stat/1.html"}};
  site_.pages["/stat/1.html"] = WorkedExamplePage();
  MainWindow& window = OpenSite();
  Control<QPushButton>("R")->click();
  Start();

  EXPECT_TRUE(window.Core().Rows(Grid::kDay).empty());
  EXPECT_FALSE(site_.Requested("/stat/"));
  EXPECT_EQ(Caption("sh1"), "0");
  ASSERT_EQ(site_.Posts().size(), 1u);
  EXPECT_EQ(site_.Posts()[0], "datas=" + FormEncode(TodayText()) + "&stext=&");
  EXPECT_TRUE(std::filesystem::exists(folder_ / "saves.txt"));
  EXPECT_EQ(ReadFile(folder_ / "saves.txt"), "");
}

TEST_F(AnalysisRunTest, AnEmptyLineEndsWithTheAllDatesChoiceAlone) {
  MainWindow& window = OpenSite();
  Start();
  EXPECT_TRUE(window.Core().Rows(Grid::kAll).empty());
  EXPECT_EQ(Control<QProgressBar>("pr")->maximum(), 0);
  EXPECT_EQ(ComboEntries(), QStringList{" все"});
  EXPECT_EQ(Caption("kol"), "0");
  EXPECT_TRUE(Control("pan2")->isVisibleTo(window_.get()));
}

TEST_F(AnalysisRunTest, AFailedFinalSaveIsReportedAndTheResultsScreenStillOpens) {
  std::ofstream(folder_ / "blocker") << "a file where a folder should be";
  site_.matches = {{"28.12.2026", "A", "B", "stat/1.html"}};
  site_.Serve(server_);
  server_.Start();
  WindowConfig config = Config(server_.base());
  config.saves_path = (folder_ / "blocker" / "saves.txt").string();
  MainWindow& window = Open(config);
  Start();

  ASSERT_EQ(errors_.size(), 1);
  EXPECT_TRUE(errors_[0].startsWith("Cannot create file \"" +
                                    QString::fromStdString(config.saves_path) + "\". "));
  EXPECT_TRUE(Control("pan2")->isVisibleTo(window_.get()));
  EXPECT_EQ(window.Core().Rows(Grid::kAll).size(), 1u);
  EXPECT_EQ(Caption("kol"), "1");
}

TEST_F(AnalysisRunTest, ClosingTheWindowMidRunEndsTheProgramCleanly) {
  site_.matches = {{"28.12.2026", "A", "B", "stat/1.html"},
                   {"28.12.2026", "C", "D", "stat/2.html"}};
  MainWindow& window = OpenSite();
  Control<QCheckBox>("ch")->setChecked(false);
  window.show();
  // As in the program: Start runs inside the event loop, and the close comes
  // the first time the run lets the window handle its messages.
  QTimer::singleShot(0, &window, [this] { Start(); });
  QTimer::singleShot(0, &window, [&window] { window.close(); });
  EXPECT_EQ(QApplication::exec(), 0);

  EXPECT_TRUE(window.Core().TeamPageList().empty());
  EXPECT_TRUE(errors_.isEmpty());
  EXPECT_FALSE(std::filesystem::exists(folder_ / "saves.txt"));  // the run stopped before its end
}

}  // namespace
}  // namespace kavero::app::testing
