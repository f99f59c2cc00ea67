// How the match grids show and sort the rows the core holds.
#include <QAbstractButton>
#include <QColor>
#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QPixmap>
#include <QSignalSpy>
#include <QTableView>

#include "app/match_table_model.h"
#include "header_click.h"
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
    // The results screen, shown as after a run.
    Control("pan1")->hide();
    Control("pan2")->show();
    window_->show();
  }
  void ClickHeader(int column) { testing::ClickHeader(grid_, column); }
  std::vector<std::string> Homes(const MatchTable& rows) {
    std::vector<std::string> homes;
    for (const MatchRow& row : rows) homes.push_back(row.home);
    return homes;
  }
  std::vector<std::string> Homes() { return Homes(window_->Core().Rows(Grid::kAll)); }
  QVariant Data(int row, int column, int role = Qt::DisplayRole) {
    return grid_->model()->data(grid_->model()->index(row, column), role);
  }
  QTableView* grid_ = nullptr;
};

TEST_F(MatchGridTest, HeaderClickSortsTheRowsThemselvesAndASecondClickReverses) {
  window_->TakeRows(Grid::kAll,
                    {Row("b", 10), Row("a", 9), Row("c", 100), Row("d", -2.5), Row("e", 9)});

  ClickHeader(9);
  EXPECT_EQ(Homes(), (std::vector<std::string>{"d", "a", "e", "b", "c"})) << "as numbers, stable";
  EXPECT_EQ(Data(0, 3).toString(), "d") << "the view follows the rows";
  ClickHeader(9);
  EXPECT_EQ(Homes(), (std::vector<std::string>{"c", "b", "a", "e", "d"}));
  ClickHeader(9);
  EXPECT_EQ(Homes(), (std::vector<std::string>{"d", "a", "e", "b", "c"})) << "and back again";
  ClickHeader(3);
  EXPECT_EQ(Homes(), (std::vector<std::string>{"a", "b", "c", "d", "e"})) << "a new column ascends";
  ClickHeader(3);
  EXPECT_EQ(Homes(), (std::vector<std::string>{"e", "d", "c", "b", "a"}));
  QHeaderView* header = grid_->horizontalHeader();
  EXPECT_TRUE(header->isSortIndicatorShown());
  EXPECT_EQ(header->sortIndicatorSection(), 3);
  EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
}

TEST_F(MatchGridTest, TheFilteredTableSortsBothWaysAndLosesItsArrowWhenRebuilt) {
  MatchTable rows = {Row("b", 1), Row("a", -7), Row("c", 3)};
  for (MatchRow& row : rows) row.date = "12.01.2026";
  window_->TakeRows(Grid::kAll, rows);
  window_->FillDateChoice();
  auto* combo = Control<QComboBox>("combo");
  combo->setCurrentIndex(combo->findText("12.01.2026"));
  Control<QAbstractButton>("spSkinXFormButton3")->click();
  grid_ = Control<QTableView>("NextGrid2");
  const MatchTable& filtered = window_->Core().Rows(Grid::kDay);

  ClickHeader(9);
  EXPECT_EQ(Homes(filtered), (std::vector<std::string>{"a", "b", "c"}));
  ClickHeader(9);
  EXPECT_EQ(Homes(filtered), (std::vector<std::string>{"c", "b", "a"})) << "highest Step1 first";
  EXPECT_TRUE(grid_->horizontalHeader()->isSortIndicatorShown());

  // OK rebuilds the rows in the order of NextGrid1: no arrow may claim otherwise.
  Control<QAbstractButton>("spSkinXFormButton3")->click();
  EXPECT_EQ(Homes(filtered), (std::vector<std::string>{"b", "a", "c"}));
  EXPECT_FALSE(grid_->horizontalHeader()->isSortIndicatorShown());
  ClickHeader(9);
  EXPECT_EQ(Homes(filtered), (std::vector<std::string>{"a", "b", "c"})) << "the next click ascends";
}

TEST_F(MatchGridTest, TheSelectedRowKeepsItsMarks) {
  MatchRow marked = Row("a", 5);
  marked.step2 = 1;
  marked.step1_colour = CellColour::kGreen;
  marked.step2_colour = CellColour::kRed;
  window_->TakeRows(Grid::kAll, {marked, Row("b", 0)});
  grid_->selectRow(0);
  ASSERT_TRUE(grid_->selectionModel()->isRowSelected(0, {}));

  const QImage shot = grid_->viewport()->grab().toImage();
  const auto colour_inside = [&](int row, int column) {
    const QRect cell = grid_->visualRect(grid_->model()->index(row, column));
    // Beside the centred text and inside any selection frame.
    return shot.pixelColor(cell.left() + 5, cell.top() + 5);
  };
  EXPECT_EQ(colour_inside(0, 9), QColor(0, 128, 0));
  EXPECT_EQ(colour_inside(0, 10), QColor(255, 0, 0));
  EXPECT_EQ(colour_inside(0, 3), grid_->palette().color(QPalette::Highlight))
      << "the rest of the row shows the selection";
}

TEST_F(MatchGridTest, EveryHeaderExplainsItsColumnInTheInterfaceLanguage) {
  for (const char* name : {"NextGrid1", "NextGrid2"}) {
    SCOPED_TRACE(name);
    auto* model = Control<QTableView>(name)->model();
    const auto hint = [&](int column) {
      return model->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString();
    };
    for (int column = 0; column < MatchTableModel::kColumnCount; ++column) {
      EXPECT_FALSE(hint(column).isEmpty()) << column;
    }
    EXPECT_TRUE(hint(9).startsWith("Step1: ")) << hint(9).toStdString();
    EXPECT_TRUE(hint(9).contains("green at 5 or more, red at -5 or less"));
    EXPECT_TRUE(hint(10).contains("green at 2.7 or more, red at 2 or less"));
  }
  Control<QAbstractButton>("R")->click();
  for (const char* name : {"NextGrid1", "NextGrid2"}) {
    SCOPED_TRACE(name);
    auto* model = Control<QTableView>(name)->model();
    EXPECT_EQ(model->headerData(9, Qt::Horizontal).toString(), "Шаг1");
    const QString hint = model->headerData(9, Qt::Horizontal, Qt::ToolTipRole).toString();
    EXPECT_TRUE(hint.startsWith("Шаг1: ")) << hint.toStdString();
    EXPECT_TRUE(hint.contains("зелёный от 5 и выше, красный от -5 и ниже"));
    EXPECT_TRUE(model->headerData(10, Qt::Horizontal, Qt::ToolTipRole).toString().contains("2,7"));
  }
}

TEST_F(MatchGridTest, TextColumnsSortByTheBytesOfThePageText) {
  window_->TakeRows(Grid::kAll,
                    {Row(W("Я"), 0), Row("Z", 0), Row(W("А"), 0), Row("10", 0), Row("9", 0)});
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
  window_->TakeRows(Grid::kAll, {row, unknown_flag});

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

TEST_F(MatchGridTest, TheViewFollowsTheCoreGrowingAndShrinkingTheRows) {
  QSignalSpy inserted(grid_->model(), &QAbstractItemModel::rowsInserted);
  QSignalSpy reset(grid_->model(), &QAbstractItemModel::modelReset);
  QSignalSpy removed(grid_->model(), &QAbstractItemModel::rowsRemoved);
  window_->TakeRows(Grid::kAll, {Row("a", 0), Row("b", 0), Row("c", 0)});
  EXPECT_EQ(grid_->model()->rowCount(), 3);
  EXPECT_EQ(inserted.count(), 1);
  window_->TakeRows(Grid::kAll, {Row("d", 0)});
  EXPECT_EQ(grid_->model()->rowCount(), 1);
  EXPECT_EQ(reset.count(), 1);
  EXPECT_EQ(Data(0, 3).toString(), "d");
  EXPECT_FALSE(Data(2, 3).isValid()) << "no row beyond the table";
  window_->TakeRows(Grid::kAll, {});
  EXPECT_EQ(grid_->model()->rowCount(), 0);
  EXPECT_EQ(removed.count(), 1);
}

}  // namespace
}  // namespace kavero::app::testing
