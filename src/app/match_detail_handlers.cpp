// A click on a match row, and "Go Total All" on a whole table.
#include <QFrame>
#include <QProgressBar>

#include "app/detail_area.h"
#include "app/main_window.h"
#include "app/report_texts.h"
#include "stats/indicator_rules.h"
#include "stats/load_match_stats.h"
#include "stats/stats_pass.h"
#include "stats/step_indicators.h"
#include "stats/steps_outcome.h"

namespace kavero::app {

void MainWindow::NextGrid1CellClick(int, int row) {
  CellClick(next_grid1_rows_, row);
}

void MainWindow::NextGrid2CellClick(int, int row) {
  CellClick(next_grid2_rows_, row);
}

void MainWindow::GoTotalAll1Click() {
  GoTotalAll(next_grid1_rows_, MessagesAt::kBeforeColours);
}

void MainWindow::GoTotalAll2Click() {
  GoTotalAll(next_grid2_rows_, MessagesAt::kAfterColours);
}

void MainWindow::CellClick(MatchTable& table, int row) {
  if (row < 0 || row >= static_cast<int>(table.size())) return;
  const std::string home = table[row].home;
  const std::string away = table[row].away;
  // A click always reads the three pages afresh through the window's client.
  LoadMatchStats(table[row], ID, config_.bookmaker_site, team_page_list_, match_stats_,
                 TeamListFailure());
  SettleFromPagesRead(table[row]);
  NameMatch(match_stats_.problems, table[row].home, table[row].away);
  const double step1 = ComputeStep1(match_stats_.home_recent, match_stats_.away_recent);
  const double step2 = ComputeStep2(match_stats_.home_recent, match_stats_.away_recent,
                                    BookmakerHome(table[row]), BookmakerAway(table[row]));
  if (TakeSteps(table[row], match_stats_, false)) {
    detail_area_->ShowClickSteps(step1, step2);
    table[row].step1 = RoundToLabel(step1);
    table[row].step2 = RoundToLabel(step2);
    ApplyStepColours(table[row], step1, step2);
  } else {
    // Nothing was computed: the row keeps its values, the labels say so.
    detail_area_->ShowStepsNotRead();
  }
  if (current_language_ == Language::kEnglish) {
    TranslateHistory(match_stats_, [this](std::string_view name) { return TranslateTeam(name); });
  }
  detail_area_->ShowMatchStats(match_stats_);
  detail_area_->ShowMatchName(table[row]);
  ShowGoalsModel(table[row]);
  ShowMovement(table[row]);
  KeepMarks({table[row]});
  RefreshTables();
  if (match_stats_.statistics_failure) {
    ShowStatus(MatchNotReadText(home, away, *match_stats_.statistics_failure, current_language_),
               match_stats_.problems);
  } else if (!match_stats_.problems.empty()) {
    ShowStatus(MatchProblemsText(home, away, match_stats_.problems.size(), current_language_),
               match_stats_.problems);
  } else {
    ShowRunStatus();
  }
  LogReport(match_stats_.problems, false);
}

void MainWindow::GoTotalAll(MatchTable& table, MessagesAt messages_at) {
  pan2->setEnabled(false);
  pan1->show();
  pan1->raise();
  gauge_.SetMaximum(static_cast<int>(table.size()));
  StatsPass pass(table, StatsSourcesOfWindow(), config_.read_ahead, [this] { ProcessMessages(); });
  PageReport problems;
  std::size_t not_read = 0;
  const StoppablePass stoppable(*this);
  for (std::size_t r = 0; r < table.size(); ++r) {
    gauge_.SetValue(static_cast<int>(r));
    if (StopRemaining(table, r, false)) break;
    const Steps steps = ReadMatch(pass, table, r);
    problems.insert(problems.end(), match_stats_.problems.begin(), match_stats_.problems.end());
    // A row whose page fails keeps its values and colours.
    const bool read = TakeSteps(table[r], match_stats_, false);
    if (read) {
      table[r].step1 = RoundTwoDecimals(steps.step1);
      table[r].step2 = RoundTwoDecimals(steps.step2);
    } else {
      ++not_read;
    }
    detail_area_->ShowStoredSteps(table[r]);
    if (messages_at == MessagesAt::kBeforeColours) ProcessMessages();
    if (read) ApplyStepColours(table[r], steps.step1, steps.step2);
    if (messages_at == MessagesAt::kAfterColours) ProcessMessages();
  }
  pan1->hide();
  pan2->setEnabled(true);
  KeepMarks(table);
  RefreshTables();
  if (problems.empty()) {
    ShowRunStatus();
  } else {
    ShowStatus(GoTotalAllText(table.size(), not_read, problems.size(), current_language_),
               problems);
  }
  LogReport(problems, false);
}

}  // namespace kavero::app
