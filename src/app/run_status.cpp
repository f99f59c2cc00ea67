// The status line of the results screen, its run report and log, and
// "Start again".
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTableView>

#include "app/detail_area.h"
#include "app/header_sort.h"
#include "app/main_window.h"
#include "app/match_table_model.h"
#include "app/report_log.h"
#include "app/report_texts.h"
#include "app/run_history.h"
#include "app/run_report_view.h"
#include "app/status_line.h"
#include "app/widget_text.h"
#include "stats/steps_outcome.h"

namespace kavero::app {
namespace {

constexpr int kStatusGap = 8;
// Two lines' height, centred on the OK button, above the match table.
constexpr int kStatusTop = 6;
constexpr int kStatusHeight = 34;

}  // namespace

void MainWindow::BuildStatusLine() {
  status_line_ = new StatusLine(pan2);
  status_line_->setObjectName(QStringLiteral("statusLine"));
  status_line_->hide();
  connect(status_line_, &StatusLine::clicked, this,
          [this] { Guarded([this] { OpenRunReport(); }); });
  const auto reason = [this](const PageProblem& problem) {
    return ReasonText(problem, current_language_);
  };
  next_grid1_model_->SetProblemText(reason);
  next_grid2_model_->SetProblemText(reason);
  detail_area_->SetProblemText(
      [this](const PageProblem& problem) { return ProblemLine(problem, current_language_); });

  // After the menus' own items, in both tables.
  const QIcon icon = style()->standardIcon(QStyle::SP_MediaPlay);
  const auto add = [this, &icon](QMenu* menu, const char* name) {
    auto* action = new QAction(icon, StartAgainCaption(Language::kEnglish), menu);
    action->setObjectName(QString::fromLatin1(name));
    menu->addAction(action);
    connect(action, &QAction::triggered, this, [this] { Guarded([this] { StartAgainClick(); }); });
    return action;
  };
  StartAgain1 = add(spSkinPopupMenu1, "StartAgain1");
  StartAgain2 = add(spSkinPopupMenu2, "StartAgain2");
}

void MainWindow::ShowRunStatus() {
  const bool line_failed = next_grid1_rows_.empty() && run_line_problems_ > 0;
  const bool demo_down = line_failed && config_.bookmaker_site == config_.demo_site &&
                         run_report_.front().fault == PageFault::kRefused;
  const QString text = line_failed
                           ? LineNotReadText(run_report_.front(), current_language_) +
                                 (demo_down ? StartDemoSiteText(current_language_) : QString())
                           : RunSummaryText(next_grid1_rows_.size(), statistics_read_,
                                            CountNotRead(next_grid1_rows_),
                                            run_report_.size() - run_not_read_, current_language_);
  QStringList items{text};
  if (run_publish_not_read_ > 0)
    items << PublishingNotReadText(run_publish_not_read_, current_language_);
  if (!run_publishing_text_.isEmpty()) items << run_publishing_text_;
  ShowStatus(items.join(QStringLiteral(" · ")) + history_->TakeStatusNote(current_language_),
             history_->WithProblem(run_report_, current_language_));
}

void MainWindow::ShowStatus(const QString& text, PageReport report) {
  shown_report_ = std::move(report);
  QStringList lines;
  for (const PageProblem& problem : shown_report_) lines << ProblemLine(problem, current_language_);
  // The free stretch between the OK button and "It is found:".
  const int left = spSkinXFormButton3->geometry().right() + kStatusGap;
  const int right = spSkinStdLabel2->x() - kStatusGap;
  status_line_->setGeometry(left, kStatusTop, std::max(0, right - left), kStatusHeight);
  status_line_->Show(text, lines, ReportClickHint(current_language_));
  status_line_->show();
}

void MainWindow::OpenRunReport() {
  ShowRunReport(this, shown_report_, current_language_,
                QString::fromStdString(config_.report_log_path));
}

void MainWindow::LogReport(const PageReport& report, bool new_run) {
  QStringList lines;
  for (const PageProblem& problem : report) {
    lines << Shown(problem.address) + QLatin1Char('\t') + ReasonText(problem, current_language_) +
                 QLatin1Char('\t') + Shown(problem.match);
  }
  WriteReportLog(config_.report_log_path, lines, new_run);
}

void MainWindow::StartAgainClick() {
  // Back to the state before a first run, on the start panel with its gauge.
  next_grid2_rows_.clear();
  match_stats_ = {};
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
  RefreshTables();
  struct EnableAtEnd {
    QWidget* panel;
    ~EnableAtEnd() { panel->setEnabled(true); }
  } enable_at_end{pan2};
  FixLanguageChoice();
  RunAnalysis();
}

}  // namespace kavero::app
