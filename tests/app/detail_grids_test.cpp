// The detail grids of one match as ShowMatchStats fills them.
#include <QHeaderView>
#include <QTableWidget>

#include "window_fixture.h"

namespace kavero::app::testing {
namespace {

TEST_F(WindowTest, MatchStatsFillTheDetailGrids) {
  MainWindow& window = Open(Config("http://127.0.0.1:1/"));
  MatchStats stats;
  stats.sg1 = {{"01.12.25", W("Зенит - Спартак"), "2:1"}, {"24.11.25", "A - B", "0:0"}};
  stats.sg3 = {{"01.05.25", "C - D", "1:1"}};
  stats.tur[0].cells = {"1", W("Зенит"), "14", "9", "3", "2", "30 - 12", "30"};
  stats.totals[0].team = W("Зенит");
  stats.totals[0].numbers = {8, 7, 6, 4, 88, 75, 50};
  stats.totals[0].green = {true, false, true};
  window.ShowMatchStats(stats);

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

  window.ShowMatchStats(MatchStats{});
  EXPECT_EQ(sg1->rowCount(), 0) << "a later match replaces the rows";
  EXPECT_EQ(totals->item(0, 5)->background().style(), Qt::NoBrush);
}

TEST_F(WindowTest, TotalsSortAsNumbers) {
  MainWindow& window = Open(Config("http://127.0.0.1:1/"));
  MatchStats stats;
  stats.totals[0].numbers[0] = 10;
  stats.totals[1].numbers[0] = 9;
  stats.totals[2].numbers[0] = 100;
  window.ShowMatchStats(stats);
  auto* totals = Control<QTableWidget>("TOT_COM");
  emit totals->horizontalHeader()->sectionClicked(1);
  EXPECT_EQ(totals->item(0, 1)->text(), "9");
  EXPECT_EQ(totals->item(2, 1)->text(), "100");
}

}  // namespace
}  // namespace kavero::app::testing
