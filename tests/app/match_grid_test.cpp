// How the match grids show and sort the rows the core holds.
#include <QColor>
#include <QHeaderView>
#include <QPixmap>
#include <QTableView>

#include "app/match_table_model.h"
#include "window_fixture.h"

namespace kavero::app::testing {
namespace {

MatchRow Row(std::string home, double step1, int flag = 0) {
  MatchRow row;
  row.home = std::move(home);
  row.step1 = step1;
  row.flag = flag;
  return row;
}

class MatchGridTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Open(Config("http://127.0.0.1:1/"));
    grid_ = Control<QTableView>("NextGrid1");
  }
  void ClickHeader(int column) { emit grid_->horizontalHeader()->sectionClicked(column); }
  std::vector<std::string> Homes() {
    std::vector<std::string> homes;
    for (const MatchRow& row : window_->NextGrid1Rows()) homes.push_back(row.home);
    return homes;
  }
  QVariant Data(int row, int column, int role = Qt::DisplayRole) {
    return grid_->model()->data(grid_->model()->index(row, column), role);
  }
  QTableView* grid_ = nullptr;
};

TEST_F(MatchGridTest, HeaderClickSortsTheRowsThemselvesAndASecondClickReverses) {
  MatchTable& rows = window_->NextGrid1Rows();
  rows = {Row("b", 10), Row("a", 9), Row("c", 100), Row("d", -2.5), Row("e", 9)};
  window_->RefreshTables();

  ClickHeader(9);
  EXPECT_EQ(Homes(), (std::vector<std::string>{"d", "a", "e", "b", "c"})) << "as numbers, stable";
  EXPECT_EQ(Data(0, 3).toString(), "d") << "the view follows the rows";
  ClickHeader(9);
  EXPECT_EQ(Homes(), (std::vector<std::string>{"c", "b", "a", "e", "d"}));
  ClickHeader(3);
  EXPECT_EQ(Homes(), (std::vector<std::string>{"a", "b", "c", "d", "e"})) << "a new column ascends";
}

TEST_F(MatchGridTest, TextColumnsSortByTheBytesOfThePageText) {
  MatchTable& rows = window_->NextGrid1Rows();
  rows = {Row(W("Я"), 0), Row("Z", 0), Row(W("А"), 0), Row("10", 0), Row("9", 0)};
  window_->RefreshTables();
  ClickHeader(3);
  EXPECT_EQ(Homes(), (std::vector<std::string>{"10", "9", "Z", W("А"), W("Я")}));
}

TEST_F(MatchGridTest, CellsShowTextsNumbersFlagsHintsAndColours) {
  MatchRow row = Row(W("Зенит"), 2.25, 30);
  row.step2 = 0;
  row.championship = W("Англия. Премьер-лига");
  row.step1_colour = CellColour::kGreen;
  row.step2_colour = CellColour::kRed;
  MatchRow unknown_flag = Row("x", 1e-6, 999);
  window_->NextGrid1Rows() = {row, unknown_flag};
  window_->RefreshTables();

  EXPECT_EQ(Data(0, 3).toString(), "Зенит");
  EXPECT_EQ(Data(0, 9).toString(), "2,25") << "the user's decimal separator";
  EXPECT_EQ(Data(0, 10).toString(), "0");
  EXPECT_EQ(Data(1, 9).toString(), "1E-6");
  EXPECT_EQ(Data(0, 0, Qt::ToolTipRole).toString(), "Англия. Премьер-лига");
  EXPECT_FALSE(Data(0, 0, Qt::DecorationRole).value<QPixmap>().isNull());
  EXPECT_FALSE(Data(1, 0, Qt::DecorationRole).value<QPixmap>().isNull())
      << "an index beyond the pictures shows picture 0";
  EXPECT_EQ(Data(0, 9, Qt::BackgroundRole).value<QColor>(), QColor(0, 128, 0));
  EXPECT_EQ(Data(0, 10, Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));
  EXPECT_FALSE(Data(1, 9, Qt::BackgroundRole).isValid());
  EXPECT_FALSE(grid_->model()->flags(grid_->model()->index(0, 3)) & Qt::ItemIsEditable);
}

TEST_F(MatchGridTest, RefreshFollowsTheCoreGrowingAndShrinkingTheRows) {
  MatchTable& rows = window_->NextGrid1Rows();
  rows = {Row("a", 0), Row("b", 0), Row("c", 0)};
  window_->RefreshTables();
  EXPECT_EQ(grid_->model()->rowCount(), 3);
  rows.resize(1);
  EXPECT_FALSE(Data(2, 3).isValid()) << "rows gone before the refresh are not read";
  window_->RefreshTables();
  EXPECT_EQ(grid_->model()->rowCount(), 1);
  rows.clear();
  window_->RefreshTables();
  EXPECT_EQ(grid_->model()->rowCount(), 0);
}

}  // namespace
}  // namespace kavero::app::testing
