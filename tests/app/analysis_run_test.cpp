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
    return Open(Config(server_.base()));
  }
  void Start() { Control<QPushButton>("spSkinXFormButton1")->click(); }
  QStringList ComboEntries() {
    QStringList entries;
    auto* combo = Control<QComboBox>("combo");
    for (int i = 0; i < combo->count(); ++i) entries << combo->itemText(i);
    return entries;
  }

  FixtureSite site_;
};

TEST_F(AnalysisRunTest, EnglishWithoutStatisticsEndsOnTheResultsScreen) {
  site_.matches = {{"28.12.2026", "Арсенал", "Челси", "stat/1.html"},
                   {"28.12.2026", "Челси", "Фулхэм", "stat/2.html"},
                   {"05.01.2027", "Фулхэм", "Арсенал", "stat/3.html"}};
  MainWindow& window = OpenSite();
  Start();

  EXPECT_EQ(window.Core().Rows(Grid::kAll).at(0).home, "Arsenal");
  EXPECT_EQ(ComboEntries(), (QStringList{" все", "05.01.2027", "28.12.2026"}));
  EXPECT_EQ(Control<QComboBox>("combo")->currentIndex(), -1);
  EXPECT_EQ(Caption("kol"), "3");
  EXPECT_FALSE(Control("pan1")->isVisibleTo(window_.get()));
  EXPECT_TRUE(Control("pan2")->isVisibleTo(window_.get()));
  EXPECT_FALSE(Control("spSkinXFormButton1")->isVisibleTo(window_.get()));
  EXPECT_FALSE(Control("E")->isVisibleTo(window_.get()));
  EXPECT_TRUE(std::filesystem::exists(folder_ / "saves.txt"));
  EXPECT_TRUE(errors_.isEmpty());
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

  ASSERT_EQ(window.Core().Rows(Grid::kDay).size(), 2u);
  EXPECT_EQ(window.Core().Rows(Grid::kDay)[0].step2, 1.78);
  EXPECT_EQ(Caption("sh1"), "0");  // the last row's values
  EXPECT_EQ(Caption("sh2"), "0");
  EXPECT_EQ(site_.Posts().size(), 1u);
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
  OpenSite();
  Control<QPushButton>("R")->click();
  Control<QCheckBox>("ch")->setChecked(false);
  Start();

  const QString status = QString(Control<StatusLine>("statusLine")->FullText())
                             .replace(QChar(0x00A0), QLatin1Char(' '));
  EXPECT_TRUE(status.contains("не прочитано при публикации: 2")) << status.toStdString();
  EXPECT_TRUE(
      status.endsWith(" · опубликовано за " + QString::fromStdString(today) + ": матчей: 2"))
      << status.toStdString();
}

// Nothing new to publish: the detail captions stay at 0.
TEST_F(AnalysisRunTest, RussianLeavesThePublishedDayAlone) {
  site_.matches = {{TodayText(), "A", "B", "stat/1.html"}};
  site_.pages["/stat/1.html"] = WorkedExamplePage();
  site_.today_published = true;
  MainWindow& window = OpenSite();
  Control<QPushButton>("R")->click();
  Start();

  EXPECT_TRUE(window.Core().Rows(Grid::kDay).empty());
  EXPECT_EQ(Caption("sh1"), "0");
}

TEST_F(AnalysisRunTest, AnEmptyLineEndsWithTheAllDatesChoiceAlone) {
  OpenSite();
  Start();
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
  Open(config);
  Start();

  ASSERT_EQ(errors_.size(), 1);
  EXPECT_TRUE(errors_[0].startsWith("Cannot create file \"" +
                                    QString::fromStdString(config.saves_path) + "\". "));
  EXPECT_TRUE(Control("pan2")->isVisibleTo(window_.get()));
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
