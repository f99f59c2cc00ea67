// The Start button: the whole analysis, once per program start.
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <optional>
#include <vector>

#include "app/detail_area.h"
#include "app/main_window.h"
#include "app/regional.h"
#include "app/report_texts.h"
#include "app/run_history.h"
#include "line/load_line.h"
#include "results/date_filter.h"
#include "results/general_format.h"
#include "stats/indicator_rules.h"
#include "stats/stats_pass.h"
#include "stats/step_indicators.h"
#include "stats/steps_outcome.h"
#include "web/keeping_turn.h"

namespace kavero::app {

void MainWindow::spSkinXFormButton1Click() {
  FixLanguageChoice();
  spSkinXFormButton1->hide();
  RunAnalysis();
}

void MainWindow::RunAnalysis() {
  StartAgain1->setText(StartAgainCaption(current_language_));
  StartAgain2->setText(StartAgainCaption(current_language_));
  // A team list that could not be read is asked for again.
  if (team_list_problem_) ReadTeamPageList();
  AwaitTeamPageListShowingActivity();
  run_report_.clear();
  statistics_read_ = false;
  run_not_read_ = 0;
  run_publish_not_read_ = 0;
  {
    // The line pages can take a while: the window keeps its turn meanwhile.
    const auto pumping = ID.NewPumpingClient([this] { ProcessMessages(); });
    HttpClient& client = *pumping;
    LoadLine(next_grid1_rows_, client, config_.bookmaker_site, Hooks(), Today(),
             config_.regional.short_date_format, &run_report_);
  }
  run_line_problems_ = run_report_.size();
  Note(&run_report_, team_list_problem_);
  history_->StartRun(next_grid1_rows_);
  gauge_.SetMaximum(static_cast<int>(next_grid1_rows_.size()));
  TranslationPass();
  if (!ch->isChecked()) StatisticsPass();
  spSkinXFormButton2->hide();
  spSkinStdLabel3->hide();
  E->hide();
  R->hide();
  FillDateChoice();
  gauge_.SetValue(0);
  if (current_language_ == Language::kRussian) PublishToday();
  // A file that cannot be written is reported, and the user still gets the
  // table the run computed rather than a start panel without a Start button.
  run_publishing_text_.clear();
  Guarded([this] {
    const SaveOutcome outcome = SaveResultsOf(next_grid2_rows_);
    run_publishing_text_ =
        PublishingText(outcome, TodayText(), next_grid2_rows_.size(), current_language_);
    Note(&run_report_, outcome.failure);
  });
  KeepMarks(next_grid1_rows_);
  ShowResultsScreen();
  ShowRunStatus();
  LogReport(history_->WithProblem(run_report_, current_language_), true);
}

void MainWindow::TranslationPass() {
  // Names a dictionary could not give stay as the line wrote them: said in the report.
  if (current_language_ == Language::kEnglish) {
    run_report_.insert(run_report_.end(), dictionary_problems_.begin(), dictionary_problems_.end());
  }
  for (std::size_t i = 0; i < next_grid1_rows_.size(); ++i) {
    gauge_.SetValue(static_cast<int>(i) + 1);
    if (current_language_ != Language::kEnglish) continue;
    MatchRow& row = next_grid1_rows_[i];
    row.bookmaker_home = row.home;
    row.bookmaker_away = row.away;
    std::string home = TranslateTeam(row.home);
    std::string away = TranslateTeam(row.away);
    row.away = std::move(away);
    row.home = std::move(home);
    row.championship = TranslateChampionship(row.championship);
  }
}

void MainWindow::StatisticsPass() {
  MatchTable& table = next_grid1_rows_;
  StatsPass pass(table, StatsSourcesOfWindow(), config_.read_ahead, [this] { ProcessMessages(); });
  const StoppablePass stoppable(*this);
  for (std::size_t i = 0; i < table.size(); ++i) {
    gauge_.SetValue(static_cast<int>(i));
    if (StopRemaining(table, i, true)) break;
    const Steps steps = ReadMatch(pass, table, i);
    NoteRunProblems();
    if (TakeSteps(table[i], match_stats_, true)) {
      table[i].step1 = steps.step1;
      table[i].step2 = steps.step2;
    } else {
      ++run_not_read_;
    }
    ProcessMessages();
  }
  statistics_read_ = true;
}

void MainWindow::PublishToday() {
  const std::string address = config_.publishing_server + "kavero/" + TodayText() + ".txt";
  const ProbeLimits limits = config_.probe_limits;
  if (KeepingTurn([probe = url_responds_, &address, limits] { return probe(address, limits); },
                  [this] { ProcessMessages(); })) {
    return;
  }
  // What this run's statistics pass computed for today's rows, in their order.
  std::vector<std::optional<Steps>> computed;
  for (const MatchRow& row : next_grid1_rows_) {
    if (row.date != TodayText()) continue;
    const bool read = statistics_read_ && row.steps_read;
    computed.push_back(read ? std::optional<Steps>({row.step1, row.step2}) : std::nullopt);
  }
  next_grid2_rows_ = RowsOfDate(next_grid1_rows_, TodayText());
  MatchTable& table = next_grid2_rows_;
  gauge_.SetMaximum(static_cast<int>(table.size()));
  StatsPass pass(table, StatsSourcesOfWindow(), config_.read_ahead, [this] { ProcessMessages(); });
  for (std::size_t i = 0; i < table.size(); ++i) {
    gauge_.SetValue(static_cast<int>(i));
    ProcessMessages();
    const Steps steps = ReadMatch(pass, table, i);
    NoteRunProblems();
    // A row whose page fails now keeps what the statistics pass computed
    // for it, else it is published with 0.
    const bool read = TakeSteps(table[i], match_stats_, !computed[i]);
    if (!read) ++run_publish_not_read_;
    const std::optional<Steps> stored = read ? steps : computed[i];
    table[i].step1 = stored ? RoundTwoDecimals(stored->step1) : 0;
    table[i].step2 = stored ? RoundTwoDecimals(stored->step2) : 0;
    detail_area_->ShowStoredSteps(table[i]);
  }
}

MainWindow::Steps MainWindow::ReadMatch(StatsPass& pass, MatchTable& table, std::size_t row) {
  const std::string home(BookmakerHome(table[row]));
  const std::string away(BookmakerAway(table[row]));
  pass.Load(row, match_stats_);
  SettleFromPagesRead(table[row]);
  NameMatch(match_stats_.problems, table[row].home, table[row].away);
  detail_area_->ShowMatchStats(match_stats_);
  detail_area_->ShowMatchName(table[row]);
  ShowGoalsModel(table[row]);
  return {ComputeStep1(match_stats_.home_recent, match_stats_.away_recent),
          ComputeStep2(match_stats_.home_recent, match_stats_.away_recent, home, away)};
}

void MainWindow::NoteRunProblems() {
  const PageReport& problems = match_stats_.problems;
  run_report_.insert(run_report_.end(), problems.begin(), problems.end());
}

void MainWindow::ShowResultsScreen() {
  pan1->hide();
  pan2->show();
  ch->hide();
  kol->setText(QString::number(next_grid1_rows_.size()));
  RefreshTables();
}

}  // namespace kavero::app
