// The date choice and the OK button through the window.
#include <QAbstractButton>
#include <QComboBox>
#include <QTableView>

#include "window_fixture.h"

namespace kavero::app::testing {
namespace {

class DateFilterTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Open(Config("http://127.0.0.1:1/"));
  }
  void AddRow(const std::string& date, const std::string& home, double step1 = 0) {
    MatchRow row;
    row.date = date;
    row.home = home;
    row.step1 = step1;
    row.flag = 30;
    row.championship = W("Англия");
    row.step1_colour = CellColour::kGreen;
    MatchTable rows = window_->Core().Rows(Grid::kAll);
    rows.push_back(row);
    window_->TakeRows(Grid::kAll, rows);
  }
  QStringList Entries() {
    QStringList entries;
    for (int i = 0; i < combo()->count(); ++i) entries << combo()->itemText(i);
    return entries;
  }
  void Choose(const QString& text) { combo()->setCurrentIndex(combo()->findText(text)); }
  void PressOk() { Control<QAbstractButton>("spSkinXFormButton3")->click(); }
  QComboBox* combo() { return Control<QComboBox>("combo"); }
  bool Showing(const char* grid) { return !Control(grid)->isHidden(); }
  QString Shown(const char* grid, int row, int column) {
    auto* model = Control<QTableView>(grid)->model();
    return model->data(model->index(row, column)).toString();
  }
};

TEST_F(DateFilterTest, ChoiceListsEachDateOnceInTextOrderAfterAll) {
  for (const char* date : {"12.01.2026", "03.02.2026", "12.01.2026", "01.03.2026"}) {
    AddRow(date, "x");
  }
  window_->FillDateChoice();
  EXPECT_EQ(Entries(), (QStringList{" все", "01.03.2026", "03.02.2026", "12.01.2026"}));
  EXPECT_EQ(combo()->currentIndex(), -1) << "nothing chosen";

  window_->TakeRows(Grid::kAll, {});
  window_->FillDateChoice();
  EXPECT_EQ(Entries(), QStringList{" все"}) << "the old entries are replaced";
}

TEST_F(DateFilterTest, OkWithNothingChosenShowsAnEmptySecondGrid) {
  AddRow("12.01.2026", "x");
  window_->FillDateChoice();
  PressOk();
  EXPECT_TRUE(Showing("NextGrid2"));
  EXPECT_FALSE(Showing("NextGrid1"));
  EXPECT_TRUE(window_->Core().Rows(Grid::kDay).empty());
  EXPECT_EQ(Caption("kol"), "0");
}

TEST_F(DateFilterTest, ADateNarrowsTheViewAndAllBringsTheFullTableBack) {
  AddRow("12.01.2026", "A", 3.5);
  AddRow("03.02.2026", "B");
  AddRow("12.01.2026", "C", 4.5);
  window_->FillDateChoice();

  Choose("12.01.2026");
  PressOk();
  PressOk();  // a second press rebuilds, never adds
  EXPECT_TRUE(Showing("NextGrid2"));
  EXPECT_FALSE(Showing("NextGrid1"));
  ASSERT_EQ(window_->Core().Rows(Grid::kDay).size(), 2u);
  EXPECT_EQ(Caption("kol"), "2");
  auto* model = Control<QTableView>("NextGrid2")->model();
  ASSERT_EQ(model->rowCount(), 2);
  EXPECT_EQ(Shown("NextGrid2", 0, 3), "A");
  EXPECT_EQ(Shown("NextGrid2", 1, 3), "C");
  EXPECT_EQ(Shown("NextGrid2", 0, 9), "4") << "whole numbers, halves to even";
  EXPECT_EQ(Shown("NextGrid2", 1, 9), "4");
  EXPECT_EQ(model->data(model->index(0, 0), Qt::ToolTipRole).toString(), "Англия");
  EXPECT_FALSE(model->data(model->index(0, 9), Qt::BackgroundRole).isValid())
      << "colours stay behind";

  Choose(" все");
  PressOk();
  EXPECT_TRUE(Showing("NextGrid1"));
  EXPECT_FALSE(Showing("NextGrid2"));
  EXPECT_EQ(Caption("kol"), "3");
  EXPECT_EQ(window_->Core().Rows(Grid::kDay).size(), 2u)
      << "the filtered rows stay in the hidden grid";
}

}  // namespace
}  // namespace kavero::app::testing
