// The match tables answer Enter and Space as a click, and the detail area says
// which match it shows.
#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "app/detail_area.h"
#include "app/elided_label.h"
#include "fixture_site.h"

namespace kavero::app::testing {
namespace {

class KeyboardAndDetailsTest : public WindowTest {
 protected:
  MainWindow& OpenSite() {
    site_.matches = {{"28.12.2026", "Арсенал", "Челси", "stat/1.html"},
                     {"29.12.2026", "A", "B", "stat/2.html"}};
    site_.pages["/stat/1.html"] = WorkedExamplePage();
    site_.pages["/stat/2.html"] = WorkedExamplePage();
    site_.pages["/brr/basa.txt"] = W("Arsenal=Арсенал\r\nChelsea=Челси\r\n");
    site_.Serve(server_);
    server_.Start();
    return Open(Config(server_.base()));
  }
  ElidedLabel* MatchName() { return Control<ElidedLabel>("match_name"); }

  FixtureSite site_;
};

TEST_F(KeyboardAndDetailsTest, EnterAndSpaceOnARowDoWhatAClickDoes) {
  MainWindow& window = OpenSite();
  Start(false);
  for (const char* name : {"NextGrid1", "NextGrid2"}) {
    if (std::string(name) == "NextGrid2") {
      window.TakeRows(Grid::kDay, window.Core().Rows(Grid::kAll));
      Control<QTableView>("NextGrid1")->hide();
      Control<QTableView>("NextGrid2")->show();
    }
    auto* grid = Control<QTableView>(name);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
      window.Details().Clear();
      grid->setCurrentIndex(grid->model()->index(1, 3));
      QTest::keyClick(grid, key);
      EXPECT_EQ(Caption("sh1"), "2,50") << name << " " << key;
      EXPECT_EQ(MatchName()->FullText(), "A – B, 29.12.2026") << name << " " << key;
    }
  }
}

TEST_F(KeyboardAndDetailsTest, TheDetailAreaNamesItsMatchInTheInterfaceLanguage) {
  MainWindow& window = OpenSite();
  Start(true);  // English: the names are translated
  // After the run: the last match it read.
  EXPECT_EQ(MatchName()->FullText(), "A – B, 29.12.2026");
  window.NextGrid1CellClick(0, 0);
  EXPECT_EQ(MatchName()->FullText(), "Arsenal – Chelsea, 28.12.2026");
  EXPECT_EQ(MatchName()->toolTip(), "Arsenal – Chelsea, 28.12.2026");

  // Cut where it does not fit, whole in the hint.
  MatchTable rows = window.Core().Rows(Grid::kAll);
  rows[0].home = std::string(60, 'H');
  window.TakeRows(Grid::kAll, rows);
  window.NextGrid1CellClick(0, 0);
  EXPECT_TRUE(MatchName()->text().endsWith(QChar(0x2026))) << MatchName()->text().toStdString();
  EXPECT_LE(MatchName()->fontMetrics().horizontalAdvance(MatchName()->text()),
            MatchName()->width());
  EXPECT_TRUE(MatchName()->toolTip().startsWith(QString(60, QLatin1Char('H'))));

  // "Start again" without statistics shows no match, so names none.
  Control<QCheckBox>("ch")->setChecked(true);
  Control<QAction>("StartAgain1")->trigger();
  EXPECT_EQ(MatchName()->FullText(), "");
}

TEST_F(KeyboardAndDetailsTest, RussianNamesStayAsTheLineWritesThem) {
  MainWindow& window = OpenSite();
  Control<QPushButton>("R")->click();
  Start(false);
  window.NextGrid1CellClick(0, 0);
  EXPECT_EQ(MatchName()->FullText(), "Арсенал – Челси, 28.12.2026");
}

}  // namespace
}  // namespace kavero::app::testing
