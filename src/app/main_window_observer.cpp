// What the analysis tells the window: its tables' rows, the match read, the
// status line with its report and log, and the Stop button of a pass.
#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <tuple>

#include "app/detail_area.h"
#include "app/history_texts.h"
#include "app/main_window.h"
#include "app/match_table_model.h"
#include "app/report_log.h"
#include "app/report_texts.h"
#include "app/run_report_view.h"
#include "app/status_line.h"
#include "app/widget_text.h"

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
    return ReasonText(problem, core_.CurrentLanguage());
  };
  next_grid1_model_->SetProblemText(reason);
  next_grid2_model_->SetProblemText(reason);
  detail_area_->SetProblemText(
      [this](const PageProblem& problem) { return ProblemLine(problem, core_.CurrentLanguage()); });

  // After the menus' own items, in both tables.
  std::tie(StartAgain1, StartAgain2) =
      AddToBothMenus(style()->standardIcon(QStyle::SP_MediaPlay), "StartAgain", nullptr, nullptr,
                     &MainWindow::StartAgainClick);
  StartAgain1->setText(StartAgainCaption(Language::kEnglish));
  StartAgain2->setText(StartAgainCaption(Language::kEnglish));
}

void MainWindow::BuildStopControls() {
  stop_button_ = new QPushButton(spSkinXFormButton1->parentWidget());
  stop_button_->setObjectName(QStringLiteral("stopButton"));
  stop_button_->setGeometry(spSkinXFormButton1->geometry());
  stop_button_->hide();
  connect(stop_button_, &QPushButton::clicked, this, [this] { core_.Stop(); });
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, [this] { core_.Stop(); });
  pr->setFormat(QStringLiteral("%v / %m"));
}

MatchTableModel& MainWindow::ModelOf(Grid grid) const {
  return grid == Grid::kAll ? *next_grid1_model_ : *next_grid2_model_;
}

void MainWindow::RowsAboutToChange(Grid grid, const RowsChange& change) {
  ModelOf(grid).RowsAboutToChange(change);
}

void MainWindow::RowsChanged(Grid grid, const RowsChange& change) {
  ModelOf(grid).RowsChanged(change);
}

void MainWindow::DetailsChanged(const MatchDetails& details) {
  const Language language = core_.CurrentLanguage();
  switch (details.steps) {
    case MatchDetails::Steps::kUnchanged:
      break;
    case MatchDetails::Steps::kStored:
      detail_area_->ShowStoredSteps(details.row);
      break;
    case MatchDetails::Steps::kComputed:
      detail_area_->ShowClickSteps(details.step1, details.step2);
      break;
    case MatchDetails::Steps::kNotRead:
      detail_area_->ShowStepsNotRead();
      break;
  }
  detail_area_->ShowMatchStats(details.stats);
  detail_area_->ShowMatchName(details.row);
  detail_area_->ShowGoalsModel(details.row.goals_model, language);
  if (details.movement) {
    detail_area_->ShowMovement(
        DetailLine(core_.History(), details.row, language, config_.regional.decimal_separator));
  }
}

void MainWindow::StoppableChanged(bool stoppable) {
  stop_button_->setText(StopCaption(core_.CurrentLanguage()));
  stop_button_->setVisible(stoppable);
  if (stoppable) stop_button_->raise();
}

void MainWindow::StatusChanged(const Status& status) {
  const Language language = core_.CurrentLanguage();
  const QString publishing =
      status.publishing ? PublishingText(status.publishing->outcome, status.publishing->today,
                                         status.publishing->matches, language)
                        : QString();
  QStringList items;
  PageReport report = status.report;
  switch (status.kind) {
    case Status::Kind::kRun:
    case Status::Kind::kLineNotRead:
      items << (status.kind == Status::Kind::kRun
                    ? RunSummaryText(status.matches, status.statistics_read, status.not_read,
                                     status.pages, language)
                    : LineNotReadText(*status.problem, language) +
                          (status.demo_down ? StartDemoSiteText(language) : QString()));
      if (status.publish_not_read > 0) {
        items << PublishingNotReadText(status.publish_not_read, language);
      }
      if (!publishing.isEmpty()) items << publishing;
      report = WithProblem(core_.History(), std::move(report), language);
      break;
    case Status::Kind::kMatchNotRead:
      items << MatchNotReadText(status.home, status.away, *status.problem, language);
      break;
    case Status::Kind::kMatchProblems:
      items << MatchProblemsText(status.home, status.away, status.pages, language);
      break;
    case Status::Kind::kGoTotalAll:
      items << GoTotalAllText(status.matches, status.not_read, status.pages, language);
      break;
    case Status::Kind::kSaved:
      items << SavedToText(status.saved_to, language);
      if (!publishing.isEmpty()) items << publishing;
      break;
  }
  QString text = items.join(QStringLiteral(" · "));
  if (status.kind == Status::Kind::kRun || status.kind == Status::Kind::kLineNotRead) {
    text += TakeStatusNote(core_.History(), language);
  }
  ShowStatus(text, report);
  if (status.log != Status::Log::kNothing) LogReport(report, status.log == Status::Log::kNewRun);
}

void MainWindow::ShowStatus(const QString& text, PageReport report) {
  shown_report_ = std::move(report);
  QStringList lines;
  for (const PageProblem& problem : shown_report_) {
    lines << ProblemLine(problem, core_.CurrentLanguage());
  }
  // The free stretch between the OK button and "It is found:".
  const int left = spSkinXFormButton3->geometry().right() + kStatusGap;
  const int right = spSkinStdLabel2->x() - kStatusGap;
  status_line_->setGeometry(left, kStatusTop, std::max(0, right - left), kStatusHeight);
  status_line_->Show(text, lines, ReportClickHint(core_.CurrentLanguage()));
  status_line_->show();
}

void MainWindow::OpenRunReport() {
  ShowRunReport(this, shown_report_, core_.CurrentLanguage(),
                QString::fromStdString(config_.report_log_path));
}

void MainWindow::LogReport(const PageReport& report, bool new_run) {
  QStringList lines;
  for (const PageProblem& problem : report) {
    lines << Shown(problem.address) + QLatin1Char('\t') +
                 ReasonText(problem, core_.CurrentLanguage()) + QLatin1Char('\t') +
                 Shown(problem.match);
  }
  WriteReportLog(config_.report_log_path, lines, new_run);
}

}  // namespace kavero::app
