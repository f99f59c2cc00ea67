// A site that fails part-way through: rows it could not read show as not
// read and sort last, failures never overwrite values, the status line and
// its report say what was not read, and the analysis can start again.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <thread>

#include "app/regional.h"
#include "app/report_texts.h"
#include "app/status_line.h"
#include "fixture_site.h"
#include "support/raw_listener.h"

namespace kavero::app::testing {
namespace {

constexpr int kStep1Column = 9;
constexpr int kStep2Column = 10;

class TrustworthyResultsTest : public WindowTest {
 protected:
  MainWindow& OpenSite() {
    statistics_.Serve(site_, server_);
    site_.pages["/brr/basa.txt"] = W("Arsenal=Арсенал\r\n");
    site_.pages["/brr/chemp.txt"] = W("Англия=England\r\n");
    site_.Serve(server_);
    server_.Start();
    return Open(Config(server_.base()));
  }
  void Start(bool read_statistics = true) {
    Control<QCheckBox>("ch")->setChecked(!read_statistics);
    Control<QPushButton>("spSkinXFormButton1")->click();
  }
  // The status line's text, its no-break spaces read as spaces.
  QString Status() {
    return QString(Control<StatusLine>("statusLine")->FullText())
        .replace(QChar(0x00A0), QLatin1Char(' '));
  }
  QVariant Cell(int row, int column, int role) {
    QAbstractItemModel* model = Control<QTableView>("NextGrid1")->model();
    return model->data(model->index(row, column), role);
  }
  void ClickStatusLine() {
    auto* line = Control<StatusLine>("statusLine");
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), line->mapToGlobal(QPointF(5, 5)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(line, &press);
  }
  QList<QAction*> MenuItems(const char* menu) { return Control<QMenu>(menu)->actions(); }

  FixtureSite site_;
  FailingStatistics statistics_;
};

struct LanguageCase {
  const char* button;
  QString status;
  QString publication;  // what the run adds about its publication of the date %1
  QString reason;
  QString start_again;
};

class NotReadRows : public TrustworthyResultsTest,
                    public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(NotReadRows, ShowAsNotReadSortLastAndAreCountedAndReported) {
  statistics_.broken = "2";
  MainWindow& window = OpenSite();
  Control<QPushButton>(GetParam().button)->click();
  Start();

  const MatchTable& rows = window.Core().Rows(Grid::kAll);
  ASSERT_EQ(rows.size(), 3u);
  for (int column : {kStep1Column, kStep2Column}) {
    EXPECT_EQ(Cell(1, column, Qt::DisplayRole).toString(), "–");
    EXPECT_EQ(Cell(1, column, Qt::ToolTipRole).toString(), GetParam().reason);
    EXPECT_EQ(Cell(0, column, Qt::DisplayRole).toString(),
              column == kStep1Column ? "2,5" : "1,78125");
  }
  const QString today = QString::fromStdString(FormatDate(Today(), "dd.MM.yyyy"));
  EXPECT_EQ(Status(), GetParam().status + QString(GetParam().publication).replace("%1", today));

  // Last in both orders, on either indicator.
  auto* model = Control<QTableView>("NextGrid1")->model();
  for (int column : {kStep1Column, kStep2Column}) {
    for (Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
      model->sort(column, order);
      EXPECT_EQ(rows.back().url, "stat/2.html") << column << " " << order;
    }
  }

  // The hint and the report name the page and the reason; so does the log.
  const std::string address = server_.base() + "stat/2.html";
  EXPECT_TRUE(
      Control<StatusLine>("statusLine")->toolTip().contains(QString::fromStdString(address)));
  ClickStatusLine();
  auto* report = window.findChild<QDialog*>("RunReport");
  ASSERT_NE(report, nullptr);
  EXPECT_TRUE(report->isVisible());
  auto* table = report->findChild<QTableWidget*>("RunReportTable");
  ASSERT_NE(table, nullptr);
  ASSERT_EQ(table->rowCount(), 1);
  EXPECT_EQ(table->item(0, 0)->text().toStdString(), address);
  EXPECT_EQ(table->item(0, 1)->text(), GetParam().reason);
  EXPECT_NE(
      ReadFile(folder_ / "run-report.log").find(address + "\t" + GetParam().reason.toStdString()),
      std::string::npos);

  // The status line lies in the free stretch between OK and "It is found:".
  const QRect line = Control("statusLine")->geometry();
  EXPECT_GT(line.width(), 200);
  EXPECT_FALSE(line.intersects(Control("spSkinXFormButton3")->geometry()));
  EXPECT_FALSE(line.intersects(Control("spSkinStdLabel2")->geometry()));
  EXPECT_FALSE(line.intersects(Control("kol")->geometry()));
  EXPECT_FALSE(line.intersects(Control("NextGrid1")->geometry()));
  // The longest summary a run gives fits whole, on two lines where one is too
  // short, breaking only between its items.
  auto* status = Control<StatusLine>("statusLine");
  status->SetFullText(RunSummaryText(
      300, true, 299, 1200,
      GetParam().button == std::string("R") ? Language::kRussian : Language::kEnglish));
  const QString shown = status->text();
  EXPECT_EQ(QString(shown).replace(QLatin1Char('\n'), QLatin1Char(' ')), status->FullText());
  const auto line_break = shown.indexOf(QLatin1Char('\n'));
  ASSERT_GT(line_break, 0);
  EXPECT_EQ(shown.at(line_break - 1), QChar(0x00B7)) << shown.toStdString();

  // "Start again" follows the menus' own items.
  for (const char* menu : {"spSkinPopupMenu1", "spSkinPopupMenu2"}) {
    const auto items = MenuItems(menu);
    ASSERT_GE(items.size(), 3);
    EXPECT_EQ(items.back()->text(), GetParam().start_again);
    EXPECT_TRUE(items.back()->isEnabled());
  }
  EXPECT_EQ(MenuItems("spSkinPopupMenu1")[0]->objectName(), "Save1");
  EXPECT_EQ(MenuItems("spSkinPopupMenu1")[1]->objectName(), "GoTotalAll1");
  EXPECT_TRUE(errors_.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Languages, NotReadRows,
                         ::testing::Values(LanguageCase{"E", "3 matches · 2 read · 1 not read", "",
                                                        "status 500", "Start again"},
                                           LanguageCase{
                                               "R", "матчей: 3 · прочитано: 2 · не прочитано: 1",
                                               " · опубликовано за %1: матчей: 0", "статус 500",
                                               "Начать заново"}),
                         [](const auto& info) { return std::string(info.param.button); });

TEST_F(TrustworthyResultsTest, ClicksAndGoTotalAllOnAFailingSiteKeepEveryValue) {
  MainWindow& window = OpenSite();
  Start();
  window.NextGrid1CellClick(3, 0);

  statistics_.failing = true;
  window.NextGrid1CellClick(3, 1);
  EXPECT_EQ(Cell(1, kStep2Column, Qt::DisplayRole).toString(), "1,96875");
  EXPECT_EQ(Caption("sh1"), "–");
  EXPECT_EQ(Control<QTableWidget>("SG1")->rowCount(), 0);
  EXPECT_EQ(Status(), "C – D could not be read, values kept: status 500");
  ASSERT_EQ(window.ShownReport().size(), 1u);

  window.GoTotalAll1Click();
  EXPECT_TRUE(Status().startsWith("Go Total All: 3 of 3 matches not read, values kept"))
      << Status().toStdString();
  EXPECT_EQ(window.ShownReport().size(), 3u);
  EXPECT_TRUE(Control("pan2")->isEnabled());

  // The site stops altogether: a click still keeps the values.
  server_.Stop();
  window.NextGrid1CellClick(3, 0);
  EXPECT_TRUE(Status().endsWith("connection refused")) << Status().toStdString();
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(TrustworthyResultsTest, AnEnglishRunWhoseDictionaryFailsSaysSo) {
  MainWindow& window = OpenSite();
  site_.pages.erase("/brr/basa.txt");
  Control<QPushButton>("E")->click();
  Start();
  EXPECT_EQ(Status(), "3 matches · 3 read · 0 not read · pages with problems: 1");
  EXPECT_EQ(window.ShownReport().size(), 1u);

  // The dictionary is back: the next run reads it and has nothing to say.
  site_.pages["/brr/basa.txt"] = W("Arsenal=Арсенал\r\n");
  window.StartAgainClick();
  EXPECT_EQ(Status(), "3 matches · 3 read · 0 not read");
}

TEST_F(TrustworthyResultsTest, AHealthyClickAfterFailuresComputesAsBefore) {
  MainWindow& window = OpenSite();
  statistics_.failing = true;
  Start();
  EXPECT_EQ(Status(), "3 matches · 0 read · 3 not read");
  statistics_.failing = false;
  window.NextGrid1CellClick(3, 0);
  EXPECT_EQ(Caption("sh1"), "2,50");
  EXPECT_EQ(Status(), "3 matches · 1 read · 2 not read");
}

TEST_F(TrustworthyResultsTest, ALineThatCannotBeReadIsSaidAndTheRunCanStartAgain) {
  const QString refused =
      "The betting line could not be read: "
      "http://127.0.0.1:1/bets/bets.php?line_id[]=1: connection refused";
  MainWindow& window = Open(Config("http://127.0.0.1:1/"));
  Start(false);
  EXPECT_TRUE(window.Core().Rows(Grid::kAll).empty());
  EXPECT_EQ(Status(), refused);
  Control<QAction>("StartAgain1")->trigger();
  EXPECT_EQ(Status(), refused);

  // A site that answers: "Start again" reads the line afresh, with the same box.
  MainWindow& second = OpenSite();
  Start(false);
  EXPECT_EQ(Status(), "3 matches · indicators not computed (box ticked)");
  site_.matches.push_back({"29.12.2026", "G", "H", "stat/4.html"});
  Control<QAction>("StartAgain1")->trigger();
  EXPECT_EQ(second.Core().Rows(Grid::kAll).size(), 4u);
  EXPECT_EQ(Caption("kol"), "4");
  EXPECT_EQ(Status(), "4 matches · indicators not computed (box ticked)");
  EXPECT_FALSE(site_.Requested("/stat/"));
  EXPECT_TRUE(Control("pan2")->isEnabled());
  EXPECT_FALSE(Control("pan1")->isVisibleTo(window_.get()));
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(TrustworthyResultsTest, StartAgainReadsEveryRowAfresh) {
  statistics_.broken = "2";
  OpenSite();
  Start();
  statistics_.broken = "none";  // read by the server thread only between requests
  Control<QAction>("StartAgain2")->trigger();
  EXPECT_EQ(Status(), "3 matches · 3 read · 0 not read");
}

TEST_F(TrustworthyResultsTest, TheWindowShowsAtOnceWhileThePublisherSaysNothing) {
  kavero::testing::RawListener publisher(std::nullopt);  // accepts, never answers
  WindowConfig config = Config(publisher.base());
  config.bookmaker_site = "http://127.0.0.1:1/";
  config.http_limits.stall_timeout = std::chrono::seconds(1);
  const auto begin = std::chrono::steady_clock::now();
  MainWindow& window = OpenAtOnce(config);
  window.show();
  QApplication::processEvents();
  const std::chrono::duration<double> shown = std::chrono::steady_clock::now() - begin;
  EXPECT_LT(shown.count(), 1.0);

  // Start waits for the list with a busy gauge, then runs as usual.
  bool busy = false;
  QTimer::singleShot(100, [&] {
    auto* gauge = Control<QProgressBar>("pr");
    busy = gauge->minimum() == 0 && gauge->maximum() == 0;
  });
  Start(false);
  EXPECT_TRUE(busy);
  EXPECT_TRUE(window.Core().TeamPageList().empty());
  EXPECT_TRUE(Control("pan2")->isVisibleTo(window_.get()));
}

// The publisher was down at start-up and the team list could not be read.
TEST_F(TrustworthyResultsTest, ATeamListNotReadIsSaidAndReadAgainByStart) {
  std::atomic<bool> list_fails = true;
  server_.server().Get("/brr/beturl.txt", [&](const httplib::Request&, httplib::Response& res) {
    if (list_fails) {
      res.status = 503;
      return;
    }
    res.set_content("A>>" + server_.base() + "team/a.html>>\r\n", "text/plain");
  });
  site_.pages["/team/a.html"] =
      "<table><tr><td>1</td><td><b>A</b></td><td>2</td><td>1</td><td>1</td><td>0</td>"
      "<td>3-1</td><td>x</td><td>4</td></tr></table><p>Матчи с участием</p>";
  MainWindow& window = OpenSite();
  ASSERT_TRUE(window.Core().TeamPageList().empty());
  Start();
  const std::string list = server_.base() + "brr/beturl.txt";
  EXPECT_EQ(Status(), "3 matches · 3 read · 0 not read · pages with problems: 1");
  ASSERT_EQ(window.ShownReport().size(), 1u);
  EXPECT_EQ(window.ShownReport()[0].address, list);
  EXPECT_NE(ReadFile(folder_ / "run-report.log").find(list + "\tstatus 503"), std::string::npos);
  // No team page could be looked up: the league and totals rows are not read, not zeros.
  window.NextGrid1CellClick(3, 0);
  EXPECT_EQ(Control<QTableWidget>("TUR")->item(0, 0)->text(), "–");
  EXPECT_EQ(Control<QTableWidget>("TOT_COM")->item(1, 1)->text(), "–");

  // The publisher is back: "Start again" reads the list, and the team pages with it.
  list_fails = false;
  Control<QAction>("StartAgain1")->trigger();
  EXPECT_EQ(window.Core().TeamPageList().size(), 1u);
  EXPECT_TRUE(site_.Requested("GET /team/a.html"));
  EXPECT_EQ(Status(), "3 matches · 3 read · 0 not read");
  window.NextGrid1CellClick(3, 0);
  EXPECT_EQ(Control<QTableWidget>("TUR")->item(0, 1)->text(), "A");
}

TEST_F(TrustworthyResultsTest, StartPressedBeforeTheListArrivesUsesIt) {
  site_.matches = {{"28.12.2026", "A", "B", "stat/1.html"}};
  server_.server().Get(
      "/brr/beturl.txt", [this](const httplib::Request&, httplib::Response& response) {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        response.set_content("A>>" + server_.base() + "team/a.html>>\r\n", "text/plain");
      });
  site_.pages["/team/a.html"] = "<table><tr><td>1</td><td><b>A</b></td></tr></table>";
  site_.Serve(server_);
  server_.Start();
  MainWindow& window = OpenAtOnce(Config(server_.base()));
  Start();
  EXPECT_EQ(window.Core().TeamPageList().size(), 1u);
  EXPECT_TRUE(site_.Requested("/team/a.html"));
}

}  // namespace
}  // namespace kavero::app::testing
