// The detail grids of one match as ShowMatchStats fills them.
#include <QAbstractButton>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>

#include <map>

#include "app/detail_area.h"
#include "header_click.h"
#include "window_fixture.h"

namespace kavero::app::testing {
namespace {

TEST_F(WindowTest, MatchStatsFillTheDetailGrids) {
  MainWindow& window = Open(Config("http://127.0.0.1:1/"));
  MatchStats stats;
  stats.home_recent = {{"01.12.25", W("Зенит - Спартак"), "2:1"}, {"24.11.25", "A - B", "0:0"}};
  stats.meetings = {{"01.05.25", "C - D", "1:1"}};
  stats.league_rows[0].cells = {"1", W("Зенит"), "14", "9", "3", "2", "30 - 12", "30"};
  stats.totals[0].team = W("Зенит");
  stats.totals[0].numbers = {8, 7, 6, 4, 88, 75, 50};
  stats.totals[0].green = {true, false, true};
  window.Details().ShowMatchStats(stats);

  auto* sg1 = Control<QTableWidget>("SG1");
  ASSERT_EQ(sg1->rowCount(), 2);
  EXPECT_EQ(sg1->item(0, 1)->text(), "Зенит - Спартак");
  EXPECT_EQ(sg1->item(1, 2)->text(), "0:0");
  EXPECT_EQ(Control<QTableWidget>("SG2")->rowCount(), 0);
  EXPECT_EQ(Control<QTableWidget>("SG3")->rowCount(), 1);

  auto* tur = Control<QTableWidget>("TUR");
  ASSERT_EQ(tur->rowCount(), 2);
  EXPECT_EQ(tur->item(0, 6)->text(), "30 - 12");
  EXPECT_TRUE(tur->item(0, 0)->font().bold());
  EXPECT_EQ(tur->item(1, 1)->text(), "") << "a fresh row";

  auto* totals = Control<QTableWidget>("TOT_COM");
  ASSERT_EQ(totals->rowCount(), 3);
  EXPECT_EQ(totals->item(0, 0)->text(), "Зенит");
  EXPECT_EQ(totals->item(0, 5)->text(), "88");
  EXPECT_EQ(totals->item(0, 5)->background().color(), QColor(0, 128, 0));
  EXPECT_EQ(totals->item(0, 6)->background().style(), Qt::NoBrush);
  EXPECT_EQ(totals->item(0, 7)->background().color(), QColor(0, 128, 0));
  EXPECT_EQ(totals->item(0, 4)->background().style(), Qt::NoBrush) << "only the percentages";
  EXPECT_EQ(totals->item(2, 1)->text(), "0");

  window.Details().ShowMatchStats(MatchStats{});
  EXPECT_EQ(sg1->rowCount(), 0) << "a later match replaces the rows";
  EXPECT_EQ(totals->item(0, 5)->background().style(), Qt::NoBrush);
}

TEST_F(WindowTest, TotalsSortAsNumbers) {
  MainWindow& window = Open(Config("http://127.0.0.1:1/"));
  MatchStats stats;
  stats.totals[0].numbers[0] = 10;
  stats.totals[1].numbers[0] = 9;
  stats.totals[2].numbers[0] = 100;
  window.Details().ShowMatchStats(stats);
  auto* totals = Control<QTableWidget>("TOT_COM");
  ClickHeader(totals, 1);
  EXPECT_EQ(totals->item(0, 1)->text(), "9");
  EXPECT_EQ(totals->item(2, 1)->text(), "100");
}

// The results screen of a window, shown as after a run.
class DetailGridsTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Open(Config("http://127.0.0.1:1/"));
    Control("pan1")->hide();
    Control("pan2")->show();
    window_->show();
  }
  static QStringList Column(QTableWidget* grid, int column) {
    QStringList texts;
    for (int row = 0; row < grid->rowCount(); ++row) texts << grid->item(row, column)->text();
    return texts;
  }
};

TEST_F(DetailGridsTest, KeepTheirPlacesOnThePanelAndLeaveTheOtherControlsTheirClicks) {
  QWidget* panel = Control("pan2");
  const struct {
    const char* name;
    QRect place;
  } places[] = {
      {"spSkinBevel1", {596, 5, 312, 464}},
      {"sh1", {664, 8, 75, 21}},
      {"sh2", {824, 8, 75, 21}},
      {"SG1", {600, 40, 305, 106}},
      {"SG2", {600, 161, 305, 106}},
      {"SG3", {600, 272, 307, 192}},
      {"TUR", {600, 480, 305, 56}},
      {"TOT_COM", {600, 544, 305, 75}},
      {"goals_line", {600, 147, 305, 13}},
      {"match_name", {600, 29, 305, 11}},
  };
  for (const auto& expected : places) {
    QWidget* control = Control(expected.name);
    const QRect on_panel(control->mapTo(panel, QPoint(0, 0)), control->size());
    EXPECT_EQ(on_panel, expected.place) << expected.name;
  }
  // The strip between "OK" and "It is found:" is the status line's.
  const int strip_left = Control("spSkinXFormButton3")->geometry().right();
  const int strip_right = Control("spSkinStdLabel2")->geometry().left();
  const QRect goals_line(Control("goals_line")->mapTo(panel, QPoint(0, 0)),
                         Control("goals_line")->size());
  EXPECT_FALSE(goals_line.left() < strip_right && goals_line.right() > strip_left &&
               goals_line.top() < 41);
  // A click at each point reaches the control there, or a part of it.
  const struct {
    QPoint at;
    const char* name;
  } clicks[] = {{{300, 300}, "NextGrid1"}, {{60, 20}, "combo"},     {{550, 25}, "kol"},
                {{700, 100}, "SG1"},       {{700, 600}, "TOT_COM"}, {{700, 153}, "goals_line"},
                {{700, 34}, "match_name"}};
  for (const auto& click : clicks) {
    QWidget* control = Control(click.name);
    QWidget* reached = panel->childAt(click.at);
    EXPECT_TRUE(reached == control || control->isAncestorOf(reached)) << click.name;
  }
}

TEST_F(DetailGridsTest, HistoryHeadersSortBothWaysAndLoseTheirArrowWithTheNextMatch) {
  MatchStats stats;
  const HistoryTable rows = {{"01.12.25", "B - X", "2:1 (1:0)"},
                             {"24.11.25", "A - Y", "0:0 (0:0)"},
                             {"17.11.25", "C - Z", "1:3 (0:1)"}};
  stats.home_recent = stats.away_recent = stats.meetings = rows;
  window_->Details().ShowMatchStats(stats);
  for (const char* name : {"SG1", "SG2", "SG3"}) {
    SCOPED_TRACE(name);
    auto* grid = Control<QTableWidget>(name);
    ClickHeader(grid, 1);
    EXPECT_EQ(Column(grid, 1), (QStringList{"A - Y", "B - X", "C - Z"}));
    ClickHeader(grid, 1);
    EXPECT_EQ(Column(grid, 1), (QStringList{"C - Z", "B - X", "A - Y"}));
    ClickHeader(grid, 0);
    EXPECT_EQ(Column(grid, 0), (QStringList{"01.12.25", "17.11.25", "24.11.25"}));
    EXPECT_TRUE(grid->horizontalHeader()->isSortIndicatorShown());
  }

  // The next match's rows come in page order, under no arrow.
  window_->Details().ShowMatchStats(stats);
  for (const char* name : {"SG1", "SG2", "SG3", "TUR", "TOT_COM"}) {
    SCOPED_TRACE(name);
    auto* grid = Control<QTableWidget>(name);
    EXPECT_FALSE(grid->horizontalHeader()->isSortIndicatorShown());
  }
  auto* sg1 = Control<QTableWidget>("SG1");
  EXPECT_EQ(Column(sg1, 1), (QStringList{"B - X", "A - Y", "C - Z"}));
  ClickHeader(sg1, 0);
  EXPECT_EQ(Column(sg1, 0), (QStringList{"01.12.25", "17.11.25", "24.11.25"}))
      << "the next click ascends";
}

TEST_F(DetailGridsTest, EveryScoreCanBeReadWhenTheRowsNeedAScrollBar) {
  const std::string long_names = "Borussia Moenchengladbach - Wolverhampton Wanderers";
  for (int rows : {3, 12}) {
    SCOPED_TRACE(rows);
    MatchStats stats;
    for (int i = 0; i < rows; ++i) stats.home_recent.push_back({"01.12.25", "A - B", "2:1 (1:0)"});
    stats.home_recent.push_back({"02.12.25", long_names, "10:10 (10:10)"});
    stats.away_recent = stats.meetings = stats.home_recent;
    window_->Details().ShowMatchStats(stats);
    QCoreApplication::processEvents();

    for (const char* name : {"SG1", "SG2", "SG3"}) {
      SCOPED_TRACE(name);
      auto* grid = Control<QTableWidget>(name);
      QHeaderView* header = grid->horizontalHeader();
      // "Score" ends inside what the scroll bar leaves of the table.
      EXPECT_LE(header->sectionViewportPosition(2) + header->sectionSize(2),
                grid->viewport()->width());
      EXPECT_EQ(header->sectionSize(0), 61);
      EXPECT_EQ(header->sectionSize(2), std::string_view(name) == "SG3" ? 57 : 55);
      if (!grid->verticalScrollBar()->isVisible()) {
        EXPECT_EQ(header->sectionSize(1), 186);
      }
      // A text cut by its column shows whole as the cell's hint, and only then.
      const QFontMetrics metrics(grid->font());
      const int margins =
          2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1);
      for (int row = 0; row < grid->rowCount(); ++row) {
        for (int column = 0; column < 3; ++column) {
          QTableWidgetItem* item = grid->item(row, column);
          const bool fits =
              metrics.horizontalAdvance(item->text()) + margins <= header->sectionSize(column);
          EXPECT_EQ(item->toolTip(), fits ? QString() : item->text()) << row << ", " << column;
        }
      }
      EXPECT_EQ(grid->item(rows, 1)->toolTip().toStdString(), long_names);
      EXPECT_EQ(grid->item(0, 1)->toolTip(), QString());
    }
  }
  EXPECT_TRUE(Control<QTableWidget>("SG1")->verticalScrollBar()->isVisible());
}

TEST_F(DetailGridsTest, EveryHeaderExplainsItsColumnInTheInterfaceLanguage) {
  const auto hints = [this](const char* name) {
    auto* grid = Control<QTableWidget>(name);
    QStringList texts;
    for (int column = 0; column < grid->columnCount(); ++column) {
      texts << grid->model()->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString();
    }
    return texts;
  };
  const char* const grids[] = {"SG1", "SG2", "SG3", "TUR", "TOT_COM"};
  std::map<std::string, QStringList> english;
  for (const char* name : grids) {
    english[name] = hints(name);
    for (const QString& hint : english[name]) EXPECT_FALSE(hint.isEmpty()) << name;
  }
  EXPECT_EQ(english["TOT_COM"][1], "И: matches played");
  EXPECT_TRUE(english["TOT_COM"][5].startsWith("0,5 %: share of matches with more than 0.5 goals"));
  EXPECT_TRUE(english["TUR"][6].startsWith("З - П: "));

  Control<QAbstractButton>("R")->click();
  for (const char* name : grids) {
    SCOPED_TRACE(name);
    const QStringList russian = hints(name);
    ASSERT_EQ(russian.size(), english[name].size());
    for (int column = 0; column < russian.size(); ++column) {
      EXPECT_FALSE(russian[column].isEmpty());
      EXPECT_NE(russian[column], english[name][column]) << column;
    }
  }
  EXPECT_EQ(hints("TOT_COM")[1], "И: сыграно матчей");
  auto* totals = Control<QTableWidget>("TOT_COM");
  EXPECT_EQ(totals->horizontalHeaderItem(1)->text(), "И") << "the headers stay";
  EXPECT_EQ(Control<QTableWidget>("SG3")->horizontalHeaderItem(2)->text(), "Счет");
}

}  // namespace
}  // namespace kavero::app::testing
