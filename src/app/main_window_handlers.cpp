// The handlers of the Start button, the tables' clicks and their menus: each
// forwards to the analysis and arranges the panels around it.
#include <QAction>
#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>

#include "app/detail_area.h"
#include "app/header_sort.h"
#include "app/main_window.h"
#include "app/report_texts.h"
#include "app/status_line.h"

namespace kavero::app {
namespace {

QString SuggestedCsvPath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString name =
      QStringLiteral("kavero-%1.csv").arg(QDate::currentDate().toString(Qt::ISODate));
  return QDir(folder).filePath(name);
}

}  // namespace

void MainWindow::spSkinXFormButton1Click() {
  FixLanguageChoice();
  spSkinXFormButton1->hide();
  RunAnalysis();
}

void MainWindow::RunAnalysis() {
  StartAgain1->setText(StartAgainCaption(core_.CurrentLanguage()));
  StartAgain2->setText(StartAgainCaption(core_.CurrentLanguage()));
  // A team list that could not be read is asked for again.
  if (core_.TeamListFailed()) ReadTeamPageList();
  AwaitTeamPageListShowingActivity();
  core_.ReadLine(!ch->isChecked());
  spSkinXFormButton2->hide();
  spSkinStdLabel3->hide();
  E->hide();
  R->hide();
  FillDateChoice();
  // A file that cannot be written is reported, and the user still gets the
  // table the run computed rather than a start panel without a Start button.
  if (const auto failure = core_.PublishAndSave(); failure && !closing_) {
    show_error(QString::fromUtf8(failure->c_str()));
  }
  pan1->hide();
  pan2->show();
  ch->hide();
  kol->setText(QString::number(core_.Rows(Grid::kAll).size()));
  ShowGauge();
  Status status = core_.RunStatus();
  status.log = Status::Log::kNewRun;
  StatusChanged(status);
}

void MainWindow::StartAgainClick() {
  // Back to the state before a first run, on the start panel with its gauge.
  core_.StartAgain();
  detail_area_->Clear();
  NextGrid1->show();
  NextGrid2->hide();
  // The rows come again in the line's order.
  ForgetHeaderSort(NextGrid1->horizontalHeader());
  ForgetHeaderSort(NextGrid2->horizontalHeader());
  status_line_->hide();
  pan2->setEnabled(false);
  pan1->show();
  pan1->raise();
  ShowGauge();
  struct EnableAtEnd {
    QWidget* panel;
    ~EnableAtEnd() { panel->setEnabled(true); }
  } enable_at_end{pan2};
  FixLanguageChoice();
  RunAnalysis();
}

void MainWindow::NextGrid1CellClick(int, int row) {
  core_.ReadRow(Grid::kAll, row);
}

void MainWindow::NextGrid2CellClick(int, int row) {
  core_.ReadRow(Grid::kDay, row);
}

void MainWindow::GoTotalAll1Click() {
  GoTotalAll(Grid::kAll, ReadPolicy::Messages::kBeforeColours);
}

void MainWindow::GoTotalAll2Click() {
  GoTotalAll(Grid::kDay, ReadPolicy::Messages::kAfterRow);
}

void MainWindow::GoTotalAll(Grid grid, ReadPolicy::Messages messages) {
  pan2->setEnabled(false);
  pan1->show();
  pan1->raise();
  core_.RecomputeAll(grid, messages);
  pan1->hide();
  pan2->setEnabled(true);
  ShowGauge();
}

void MainWindow::Save1Click() {
  core_.Save(Grid::kAll);
  show_information(QStringLiteral("Сохранено!!!"));
}

void MainWindow::SAVE2Click() {
  core_.Save(Grid::kDay);
  show_information(QStringLiteral("Сохранено!!!"));
}

void MainWindow::ExportCsv1Click() {
  ExportCsv(Grid::kAll);
}

void MainWindow::ExportCsv2Click() {
  ExportCsv(Grid::kDay);
}

void MainWindow::ExportCsv(Grid grid) {
  const QString path = choose_csv_path(SuggestedCsvPath());
  if (path.isEmpty()) return;
  // A file that cannot be written throws: the error box names it.
  core_.ExportCsv(grid, QFile::encodeName(path).toStdString());
}

}  // namespace kavero::app
