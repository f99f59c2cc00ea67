// A click on a match row, and "Go Total All" over a table.
#include <QAction>
#include <QProgressBar>
#include <QTableWidget>
#include <QTimer>

#include "fixture_site.h"

namespace kavero::app::testing {
namespace {

class MatchDetailsTest : public WindowTest {
 protected:
  MainWindow& OpenSite() {
    // "Q=A" would move A in the history texts: the indicators must be
    // computed before the texts are translated.
    site_.pages["/brr/basa.txt"] = W("Q=A\r\nArsenal=Арсенал\r\nChelsea=Челси\r\n");
    site_.pages["/stat/1.html"] = LopsidedPage();
    site_.pages["/stat/2.html"] = MiddlingPage();
    site_.Serve(server_);
    server_.Start();
    return Open(Config(server_.base()));
  }
  QString HistoryText(const char* grid, int row) {
    return Control<QTableWidget>(grid)->item(row, 1)->text();
  }

  FixtureSite site_;
};

TEST_F(MatchDetailsTest, AClickShowsThreeSignificantDigitsAndTheHistoryTranslated) {
  MainWindow& window = OpenSite();
  window.FixLanguageChoice();  // English: fetches the dictionaries
  window.TakeRows(Grid::kAll, {LinkedRow("stat/1.html")});
  window.NextGrid1CellClick(3, 0);

  EXPECT_EQ(Caption("sh1"), "-9,00");
  EXPECT_EQ(Caption("sh2"), "12,30");
  // Translated for the eye only after the indicators were computed.
  EXPECT_EQ(HistoryText("SG1", 1), "X - Q");
  EXPECT_EQ(HistoryText("SG3", 0), "Arsenal - Chelsea");

  MatchTable rows = window.Core().Rows(Grid::kAll);
  rows[0].url = "stat/2.html";
  window.TakeRows(Grid::kAll, rows);
  window.NextGrid1CellClick(0, 0);
  EXPECT_EQ(Caption("sh1"), "4,00");
  EXPECT_EQ(Caption("sh2"), "2,53");
}

TEST_F(MatchDetailsTest, RussianClicksLeaveTheHistoryUntranslated) {
  MainWindow& window = OpenSite();
  window.RClick();
  window.FixLanguageChoice();
  window.TakeRows(Grid::kDay, {LinkedRow("stat/1.html")});
  window.NextGrid2CellClick(0, 0);
  EXPECT_EQ(Caption("sh2"), "12,30");
  EXPECT_EQ(HistoryText("SG1", 1), "X - A");
  EXPECT_EQ(HistoryText("SG3", 0), "Арсенал - Челси");
}

TEST_F(MatchDetailsTest, AClickWithoutStatisticsShowsZero) {
  MainWindow& window = OpenSite();
  window.TakeRows(Grid::kAll, {LinkedRow("no-page")});
  window.NextGrid1CellClick(0, 0);
  EXPECT_EQ(Caption("sh1"), "0,00");
  EXPECT_EQ(Caption("sh2"), "0,00");
}

TEST_F(MatchDetailsTest, GoTotalAllCoversTheTableMeanwhileAndShowsTheLastRow) {
  MainWindow& window = OpenSite();
  window.TakeRows(Grid::kAll, {LinkedRow("stat/2.html"), LinkedRow("stat/1.html")});
  bool start_panel_shown = false;
  bool results_enabled = true;
  QTimer::singleShot(0, &window, [&] {
    start_panel_shown = Control("pan1")->isVisibleTo(window_.get());
    results_enabled = Control("pan2")->isEnabled();
  });
  Control<QAction>("GoTotalAll1")->trigger();

  EXPECT_TRUE(start_panel_shown);
  EXPECT_FALSE(results_enabled);
  EXPECT_FALSE(Control("pan1")->isVisibleTo(window_.get()));
  EXPECT_TRUE(Control("pan2")->isEnabled());
  EXPECT_EQ(Caption("sh1"), "-9");
  EXPECT_EQ(Caption("sh2"), "12,34");
  EXPECT_EQ(Control<QProgressBar>("pr")->maximum(), 2);
  EXPECT_EQ(Control<QProgressBar>("pr")->value(), 1);
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(MatchDetailsTest, GoTotalAllOnAnEmptyTableOnlyShowsAndHidesTheStartPanel) {
  OpenSite();
  Control<QAction>("GoTotalAll2")->trigger();
  EXPECT_FALSE(Control("pan1")->isVisibleTo(window_.get()));
  EXPECT_TRUE(Control("pan2")->isEnabled());
}

}  // namespace
}  // namespace kavero::app::testing
