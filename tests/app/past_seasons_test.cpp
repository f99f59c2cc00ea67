// "Check on past seasons…" in both tables' menus, its dialog, and the marks'
// record in the header hints.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>

#include "analysis/analysis.h"
#include "analysis/past_seasons.h"
#include "app/past_seasons_dialog.h"
#include "window_fixture.h"

namespace kavero::app::testing {
namespace {

class PastSeasonsTest : public WindowTest {
 protected:
  // The dialog that `item` opens on the fixture seasons, once its run is done.
  PastSeasonsDialog* RunFrom(const char* item) {
    window_->choose_seasons = [this](const QString& start) {
      offered_ << start;
      return QStringList{QStringLiteral(KAVERO_BACKTEST_FIXTURES)};
    };
    Control<QAction>(item)->trigger();
    auto* dialog = window_->findChild<PastSeasonsDialog*>(QStringLiteral("PastSeasons"));
    EXPECT_NE(dialog, nullptr);
    if (dialog == nullptr) return nullptr;
    QSignalSpy finished(dialog, &PastSeasonsDialog::Finished);
    EXPECT_TRUE(finished.wait(60000));
    return dialog;
  }
  static QString CoreReport(Language language) {
    return QString::fromStdString(
        Analysis::CheckPastSeasons({KAVERO_BACKTEST_FIXTURES}, language).text);
  }
  QString HeaderHint(const char* grid, int column) {
    return Control<QTableView>(grid)
        ->model()
        ->headerData(column, Qt::Horizontal, Qt::ToolTipRole)
        .toString();
  }

  QStringList offered_;
};

TEST_F(PastSeasonsTest, TheItemFollowsExportCsvInBothTablesAndLanguages) {
  MainWindow& window = OpenWithServer();
  const auto after_export = [this](const char* menu, const char* export_item) {
    const QList<QAction*> actions = Control<QMenu>(menu)->actions();
    const qsizetype at = actions.indexOf(Control<QAction>(export_item));
    return at >= 0 && at + 1 < actions.size() ? actions[at + 1] : nullptr;
  };
  EXPECT_EQ(after_export("spSkinPopupMenu1", "ExportCsv1"), Control<QAction>("PastSeasons1"));
  EXPECT_EQ(after_export("spSkinPopupMenu2", "ExportCsv2"), Control<QAction>("PastSeasons2"));
  EXPECT_EQ(Control<QAction>("PastSeasons1")->text(), "Check on past seasons…");
  EXPECT_EQ(Control<QAction>("PastSeasons2")->text(), "Check on past seasons…");
  window.RClick();
  EXPECT_EQ(Control<QAction>("PastSeasons1")->text(), "Проверка на прошлых сезонах…");
  EXPECT_EQ(Control<QAction>("PastSeasons2")->text(), "Проверка на прошлых сезонах…");
}

TEST_F(PastSeasonsTest, TheDialogShowsTheCoresReportAndPlotInTheInterfaceLanguage) {
  MainWindow& window = OpenWithServer();
  PastSeasonsDialog* english = RunFrom("PastSeasons1");
  ASSERT_NE(english, nullptr);
  EXPECT_EQ(offered_, QStringList{ShippedSeasonsFolder()});
  EXPECT_EQ(english->ReportText(), CoreReport(Language::kEnglish));
  EXPECT_FALSE(english->findChild<QLabel*>(QStringLiteral("PastSeasonsPlot"))->pixmap().isNull());
  english->findChild<QPushButton*>(QStringLiteral("PastSeasonsCopy"))->click();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), english->ReportText());
  delete english;

  window.RClick();
  PastSeasonsDialog* russian = RunFrom("PastSeasons2");
  ASSERT_NE(russian, nullptr);
  EXPECT_EQ(russian->ReportText(), CoreReport(Language::kRussian));
  EXPECT_TRUE(russian->ReportText().startsWith("Проверка на прошлых сезонах"));
}

TEST_F(PastSeasonsTest, TheMarksHeadersStateTheirRecordOnRealFootball) {
  MainWindow& window = OpenWithServer();
  for (const char* grid : {"NextGrid1", "NextGrid2"}) {
    SCOPED_TRACE(grid);
    EXPECT_TRUE(HeaderHint(grid, 10).endsWith(
        "Step2 ≥ 2.7 (green): over 2.5 in 60 % of 1,990 real matches (2009–2024, 5 leagues); "
        "the market expected 59 %; betting over on all of them returned −4.9 %\n"
        "Step2 ≤ 2 (red): over 2.5 in 49 % of 13,071 real matches (2009–2024, 5 leagues); "
        "the market expected 49 %; betting under on all of them returned −7.2 %"))
        << HeaderHint(grid, 10).toStdString();
    EXPECT_TRUE(HeaderHint(grid, 9).contains("Step1 ≤ −5 (red): over 2.5 in 48 % of 1,524"));
    EXPECT_TRUE(HeaderHint(grid, 7).contains("almost never shows: on 10 of 24,470 real matches"));
  }
  window.RClick();
  for (const char* grid : {"NextGrid1", "NextGrid2"}) {
    SCOPED_TRACE(grid);
    EXPECT_TRUE(HeaderHint(grid, 6).endsWith(
        "На настоящем футболе эта отметка почти не встречается: 10 из 24\u00A0470 настоящих матчей "
        "(2009–2024, лиг: 5), и только при коэффициентах, не оставлявших букмекеру маржи (не "
        "более −1,9 %); ставки на отмеченную сторону принесли +27,2 % — слишком мало ставок, "
        "чтобы судить"))
        << HeaderHint(grid, 6).toStdString();
    EXPECT_TRUE(
        HeaderHint(grid, 9).contains("Шаг1 ≥ 5 (зелёный): больше 2,5 в 57 % из 2\u00A0401"));
  }
}

}  // namespace
}  // namespace kavero::app::testing
