// The goals model on screen (hints, edge marks, the detail line) and the CSV
// export of either match table.
#include <QAction>
#include <QDate>
#include <QDir>
#include <QFont>
#include <QMenu>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>

#include "app/elided_label.h"
#include "app/goals_hints.h"
#include "fixture_site.h"

namespace kavero::app::testing {
namespace {

// A team page whose league row gives the team 10 games and 10 goals each way.
std::string TeamPage(const std::string& team) {
  return "<html><table>\n<tr><td>М</td><td>Команда</td><td>И</td></tr>\n<tr><td>1</td><td><b>" +
         team +
         "</b></td><td>10</td><td>5</td><td>3</td><td>2</td><td>10-10</td><td>+0</td>"
         "<td>18</td></tr>\n</table>\n<table><tr><td colspan=4>Матчи с участием команды</td>"
         "</tr>\n</table></html>";
}

// 5.50 under and 1.25 over at 2.5 pay out more than the stake (margin
// -1.82 %): the market's 81.5 % for over, recalibrated to 84.9 % (Poisson of
// 4.71 goals); over returns +6.1 %, under -16.8 %.
MatchRow Row(const std::string& home, const std::string& away) {
  MatchRow row;
  row.championship = W("Англия");
  row.date = "28.12.2026";
  row.time = "19:00";
  row.home = home;
  row.away = away;
  row.total = "2.5";
  row.under = "5.50";
  row.over = "1.25";
  row.url = "none";  // no statistics page: only the team pages are read
  return row;
}

class GoalsAndExportTest : public WindowTest {
 protected:
  MainWindow& OpenSite(char decimal_separator = ',') {
    site_.Serve(server_);
    server_.Start();
    site_.pages["/brr/beturl.txt"] =
        "A>>" + server_.base() + "team/a.html>>\r\nB>>" + server_.base() + "team/b.html>>\r\n";
    site_.pages["/team/a.html"] = TeamPage("A");
    site_.pages["/team/b.html"] = TeamPage("B");
    WindowConfig config = Config(server_.base());
    config.regional.decimal_separator = decimal_separator;
    MainWindow& window = Open(config);
    window.choose_csv_path = [this](const QString& suggested) {
      suggested_ << suggested;
      return chosen_;
    };
    return window;
  }

  // The detail line's whole text; its hint holds the same.
  QString GoalsLine() {
    auto* line = Control<ElidedLabel>("goals_line");
    EXPECT_EQ(line->toolTip(), line->FullText());
    return line->FullText();
  }

  QAbstractItemModel* Grid(const char* name) { return Control<QTableView>(name)->model(); }
  QVariant Cell(const char* grid, int row, int column, int role) {
    QAbstractItemModel* model = Grid(grid);
    return model->data(model->index(row, column), role);
  }
  int TeamPageRequests() {
    int count = 0;
    for (const auto& target : site_.Targets()) count += target.find("/team/") != std::string::npos;
    return count;
  }

  FixtureSite site_;
  QStringList suggested_;
  QString chosen_;
};

TEST_F(GoalsAndExportTest, AClickShowsTheModelInTheTotalHintTheMarkAndTheDetailLine) {
  MainWindow& window = OpenSite();
  window.FixLanguageChoice();
  window.TakeRows(Grid::kAll, {Row("A", "B"), Row("C", "D")});
  window.NextGrid1CellClick(0, 0);

  const QString line = QStringLiteral(
      "Expected goals 4,71 · Over 2,5: 85 % (market 81 %, margin -1,8 %) · edge over +6,1 %, "
      "under −16,8 %");
  ASSERT_TRUE(window.Core().Rows(Grid::kAll)[0].goals_model);
  EXPECT_EQ(Cell("NextGrid1", 0, 5, Qt::ToolTipRole).toString(), line);
  EXPECT_EQ(GoalsLine(), line);
  EXPECT_EQ(TeamPageRequests(), 2) << "the model asks for nothing of its own";

  // Over pays for its chance: bold on pale blue; under does not.
  EXPECT_EQ(Cell("NextGrid1", 0, 7, Qt::BackgroundRole).value<QColor>(), EdgeMarkBackground());
  EXPECT_TRUE(Cell("NextGrid1", 0, 7, Qt::FontRole).value<QFont>().bold());
  EXPECT_FALSE(Cell("NextGrid1", 0, 6, Qt::BackgroundRole).isValid());
  EXPECT_FALSE(Cell("NextGrid1", 0, 6, Qt::FontRole).isValid());
  // The cells' texts stay those of the page.
  EXPECT_EQ(Cell("NextGrid1", 0, 5, Qt::DisplayRole).toString(), "2.5");
  EXPECT_EQ(Cell("NextGrid1", 0, 6, Qt::DisplayRole).toString(), "5.50");
  EXPECT_TRUE(Grid("NextGrid1")
                  ->headerData(6, Qt::Horizontal, Qt::ToolTipRole)
                  .toString()
                  .endsWith(EdgeMarkHint(Language::kEnglish)));
  EXPECT_TRUE(Grid("NextGrid1")
                  ->headerData(7, Qt::Horizontal, Qt::ToolTipRole)
                  .toString()
                  .endsWith(EdgeMarkHint(Language::kEnglish)));

  // Teams without pages: no model, no hint, no mark, an empty line.
  window.NextGrid1CellClick(0, 1);
  EXPECT_FALSE(window.Core().Rows(Grid::kAll)[1].goals_model);
  EXPECT_FALSE(Cell("NextGrid1", 1, 5, Qt::ToolTipRole).isValid());
  EXPECT_FALSE(Cell("NextGrid1", 1, 6, Qt::BackgroundRole).isValid());
  EXPECT_EQ(GoalsLine(), "");
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(GoalsAndExportTest, ATeamPageThatFailsKeepsTheModelAndShowsItsRowsAsNotRead) {
  MainWindow& window = OpenSite();
  window.FixLanguageChoice();
  window.TakeRows(Grid::kAll, {Row("A", "B")});
  window.NextGrid1CellClick(0, 0);
  const auto model = window.Core().Rows(Grid::kAll)[0].goals_model;
  ASSERT_TRUE(model);
  const QString line = GoalsLine();

  site_.pages.erase("/team/b.html");  // now answers 404
  window.NextGrid1CellClick(0, 0);
  ASSERT_TRUE(window.Core().Rows(Grid::kAll)[0].goals_model);
  EXPECT_EQ(window.Core().Rows(Grid::kAll)[0].goals_model->total_goals, model->total_goals);
  EXPECT_EQ(GoalsLine(), line);

  auto* league = Control<QTableWidget>("TUR");
  auto* totals = Control<QTableWidget>("TOT_COM");
  EXPECT_EQ(league->item(0, 1)->text(), "A");
  EXPECT_EQ(totals->item(0, 1)->text(), "0");  // A's page lists no match: a computed zero
  for (int column = 0; column < league->columnCount(); ++column) {
    EXPECT_EQ(league->item(1, column)->text(), "–") << column;
    EXPECT_TRUE(league->item(1, column)->toolTip().contains("team/b.html"));
  }
  for (int row : {1, 2}) {
    for (int column = 1; column < totals->columnCount(); ++column) {
      EXPECT_EQ(totals->item(row, column)->text(), "–") << row << " " << column;
    }
  }
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(GoalsAndExportTest, RussianHintsAndGoTotalAllModelsEveryRow) {
  MainWindow& window = OpenSite();
  window.RClick();
  window.FixLanguageChoice();
  window.TakeRows(Grid::kDay, {Row("C", "D"), Row("A", "B")});
  Control<QAction>("GoTotalAll2")->trigger();

  EXPECT_FALSE(window.Core().Rows(Grid::kDay)[0].goals_model);
  ASSERT_TRUE(window.Core().Rows(Grid::kDay)[1].goals_model);
  const QString line = QStringLiteral(
      "Ожидаемые голы 4,71 · Больше 2,5: 85 % (рынок 81 %, маржа -1,8 %) · перевес: больше "
      "+6,1 %, меньше −16,8 %");
  EXPECT_EQ(Cell("NextGrid2", 1, 5, Qt::ToolTipRole).toString(), line);
  EXPECT_EQ(GoalsLine(), line);
  EXPECT_TRUE(Grid("NextGrid2")
                  ->headerData(6, Qt::Horizontal, Qt::ToolTipRole)
                  .toString()
                  .endsWith(EdgeMarkHint(Language::kRussian)));
  EXPECT_EQ(TeamPageRequests(), 2);
}

TEST_F(GoalsAndExportTest, TheItemComesAfterTheOthersInBothMenusAndLanguages) {
  MainWindow& window = OpenSite();
  const auto names = [this](const char* menu) {
    QStringList out;
    for (QAction* action : Control<QMenu>(menu)->actions()) out << action->objectName();
    return out;
  };
  EXPECT_EQ(names("spSkinPopupMenu1"), QStringList({"Save1", "GoTotalAll1", "ExportCsv1",
                                                    "PastSeasons1", "MyRecord1", "StartAgain1"}));
  EXPECT_EQ(names("spSkinPopupMenu2"), QStringList({"SAVE2", "GoTotalAll2", "ExportCsv2",
                                                    "PastSeasons2", "MyRecord2", "StartAgain2"}));
  EXPECT_EQ(Control<QAction>("ExportCsv1")->text(), "Export CSV…");
  EXPECT_EQ(Control<QAction>("MyRecord1")->text(), "My record…");
  window.RClick();
  EXPECT_EQ(Control<QAction>("ExportCsv1")->text(), "Экспорт CSV…");
  EXPECT_EQ(Control<QAction>("ExportCsv2")->text(), "Экспорт CSV…");
  window.FixLanguageChoice();
  emit Control<QMenu>("spSkinPopupMenu2")->aboutToShow();
  EXPECT_EQ(Control<QAction>("MyRecord2")->text(), "Мои результаты…");
}

TEST_F(GoalsAndExportTest, ExportWritesTheTableAsItStandsWhereTheUserChose) {
  MainWindow& window = OpenSite();
  window.FixLanguageChoice();
  window.TakeRows(Grid::kAll, {Row("A", "B"), Row("C", "D")});
  window.NextGrid1CellClick(0, 0);
  Control<QTableView>("NextGrid1")->model()->sort(3, Qt::DescendingOrder);

  // Cancelled: nothing written.
  Control<QAction>("ExportCsv1")->trigger();
  ASSERT_EQ(suggested_.size(), 1);
  EXPECT_EQ(suggested_[0],
            QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                .filePath("kavero-" + QDate::currentDate().toString("yyyy-MM-dd") + ".csv"));

  const std::filesystem::path file = folder_ / "export.csv";
  chosen_ = QString::fromStdString(file.string());
  Control<QAction>("ExportCsv1")->trigger();
  EXPECT_TRUE(errors_.isEmpty());
  const std::string header =
      "\xEF\xBB\xBF"
      "Championship;Date;Time;Home;Away;Total;Under;Over;Step1;Step2;Statistics read;"
      "Expected goals;Over % (model);Under % (model);Over % (market);Under % (market);"
      "Margin %;Edge over %;Edge under %;Under first seen;Over first seen\r\n";
  // No history kept: the first-seen odds are not known.
  EXPECT_EQ(ReadFile(file),
            header + "Англия;2026-12-28;19:00;C;D;2,5;5,50;1,25;0;0;0;;;;;;;;;;\r\n" +
                "Англия;2026-12-28;19:00;A;B;2,5;5,50;1,25;0;0;1;4,71;84,9;15,1;81,5;18,5;-1,82;"
                "6,1;-16,8;;\r\n");

  // A file that cannot be written: the error names it, the earlier file stays.
  chosen_ = QString::fromStdString((folder_ / "no-such-folder" / "export.csv").string());
  const std::string before = ReadFile(file);
  Control<QAction>("ExportCsv1")->trigger();
  ASSERT_EQ(errors_.size(), 1);
  EXPECT_TRUE(errors_[0].startsWith("Cannot create file \"" + chosen_ + "\". "))
      << errors_[0].toStdString();
  EXPECT_EQ(ReadFile(file), before);
}

TEST_F(GoalsAndExportTest, APointSeparatorExportsCommasAndTheFilteredTable) {
  MainWindow& window = OpenSite('.');
  window.TakeRows(Grid::kDay, {Row("A", "B")});
  window.NextGrid2CellClick(0, 0);
  const std::filesystem::path file = folder_ / "day.csv";
  chosen_ = QString::fromStdString(file.string());
  Control<QAction>("ExportCsv2")->trigger();
  const std::string csv = ReadFile(file);
  EXPECT_NE(csv.find("\r\nАнглия,2026-12-28,19:00,A,B,2.5,5.50,1.25,0,0,1,4.71,84.9,15.1,81.5,"
                     "18.5,-1.82,6.1,-16.8,,\r\n"),
            std::string::npos)
      << csv;
}

}  // namespace
}  // namespace kavero::app::testing
