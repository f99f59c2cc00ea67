// The history end to end: a run against the demo site, the demo moved three
// days on, a second run; the first run's matches are settled from the pages
// the second read, the moved prices show in the odds cells' hints, and
// "My record…" shows what the core makes of the store's marked bets.
#include <QAction>
#include <QCheckBox>
#include <QDate>
#include <QTableView>
#include <QTableWidget>
#include <chrono>
#include <fstream>

#include "app/elided_label.h"
#include "app/my_record_dialog.h"
#include "app/status_line.h"
#include "site.h"
#include "window_fixture.h"

namespace kavero::app::testing {
namespace {

constexpr int kMatches = 24;  // a small line keeps both runs short on a busy machine
const QDate kFirstDay(2026, 12, 10);

class HistoryRunTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    demo::WorldOptions world;
    world.matches = kMatches;
    world.today =
        demo::Day(std::chrono::year(kFirstDay.year()) / kFirstDay.month() / kFirstDay.day());
    std::filesystem::create_directories(folder_ / "storage");
    site_ = std::make_unique<demo::DemoSite>(world, folder_ / "storage", demo::SiteOptions{});
    site_->Register(server_.server());
    server_.Start();
  }

  void NextDay() {
    httplib::Client client("127.0.0.1", server_.port());
    const auto answer = client.Get("/demo/next-day");
    ASSERT_TRUE(answer && answer->status == 200);
  }

  // A run without statistics, with the history kept in `history_folder`.
  MainWindow& RunWithHistoryIn(const std::filesystem::path& history_folder) {
    WindowConfig config = Config(server_.base());
    config.history_folder = history_folder.string();
    MainWindow& window = Open(config);
    window.spSkinXFormButton1Click();
    return window;
  }
  QString Status() { return Control<StatusLine>("statusLine")->FullText(); }

  std::unique_ptr<demo::DemoSite> site_;
};

TEST_F(HistoryRunTest, AHistoryThatCannotBeKeptLeavesTheRunGoingAndSaysSo) {
  std::ofstream(folder_ / "a-file") << "not a folder";
  MainWindow& window = RunWithHistoryIn(folder_ / "a-file" / "history");
  EXPECT_EQ(window.Core().Rows(Grid::kAll).size(), static_cast<std::size_t>(kMatches));
  EXPECT_TRUE(Status().contains(QStringLiteral("history\u00A0was\u00A0not\u00A0saved")))
      << Status().toStdString();
  EXPECT_NE(ReadFile(folder_ / "run-report.log").find("history was not saved"), std::string::npos);
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(HistoryRunTest, AnUnreadableFileMovedAsideIsToldOnce) {
  std::filesystem::create_directories(folder_ / "history");
  std::ofstream(folder_ / "history" / "history.sqlite") << std::string(4096, 'x');
  MainWindow& window = RunWithHistoryIn(folder_ / "history");
  const QString moved = QStringLiteral("moved\u00A0aside");
  EXPECT_TRUE(Status().contains(moved)) << Status().toStdString();
  EXPECT_FALSE(Status().contains(QStringLiteral("not\u00A0saved")));
  window.NextGrid1CellClick(0, 0);
  EXPECT_FALSE(Status().contains(moved)) << Status().toStdString();
}

TEST_F(HistoryRunTest, ASecondRunDaysLaterSettlesShowsMovementAndTheRecord) {
  WindowConfig config = Config(server_.base());
  config.history_folder = folder_.string();
  // Both runs early on the demo's first day by the history's clock, the
  // second after the demo moved on: the first run's prices are today's first.
  QDateTime clock(kFirstDay, QTime(0, 5));
  config.history_clock = [&clock] { return clock; };
  MainWindow& window = Open(config);
  Control<QCheckBox>("ch")->setChecked(false);  // the statistics are read
  window.spSkinXFormButton1Click();
  window.GoTotalAll1Click();  // colours the indicators: the marks
  const MatchTable first_run = window.Core().Rows(Grid::kAll);
  ASSERT_FALSE(first_run.empty());
  for (int day = 0; day < 3; ++day) NextDay();
  clock = clock.addSecs(300);
  window.StartAgainClick();
  ASSERT_TRUE(errors_.isEmpty()) << errors_.join('\n').toStdString();

  history::HistoryStore store;
  ASSERT_TRUE(store.Open(folder_.string()).status.ok());
  int settled = 0;
  for (const MatchRow& row : first_run) {
    if (store.ResultOf(row, "dd.MM.yyyy").state == history::Settlement::kSettled) ++settled;
  }
  EXPECT_GT(settled, 0);

  // A match still on the line at a moved price: its odds cell says so.
  const QAbstractItemModel* model = Control<QTableView>("NextGrid1")->model();
  int moved_row = -1;
  for (int r = 0; r < model->rowCount(); ++r) {
    for (const int column : {6, 7}) {
      if (model->index(r, column).data(Qt::ToolTipRole).toString().contains(QStringLiteral("→"))) {
        moved_row = r;
      }
    }
  }
  ASSERT_GE(moved_row, 0);
  // ... and so does the detail area once the match is clicked.
  window.NextGrid1CellClick(0, moved_row);
  EXPECT_TRUE(Control<ElidedLabel>("movement_line")->FullText().contains(QStringLiteral("→")));

  // The dialog shows the core's figures for the last 30 days' marked bets.
  Control<QAction>("MyRecord1")->trigger();
  auto* table = Control<QTableWidget>("MyRecordTable");
  ASSERT_NE(table, nullptr);
  const auto bets = store.MarkedBets(kRecordDefaultDays, {2026, 12, 10});
  EXPECT_FALSE(bets.empty());
  const auto summaries = SummariseMarks(bets);
  const Language language = window.Core().CurrentLanguage();
  for (int r = 0; r < static_cast<int>(summaries.size()); ++r) {
    const QStringList cells = MarkRecordCells(summaries[r], language, ',');
    for (int c = 0; c < cells.size(); ++c) EXPECT_EQ(table->item(r, c)->text(), cells[c]);
  }
}

}  // namespace
}  // namespace kavero::app::testing
