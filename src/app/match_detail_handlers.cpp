// A click on a match row, and "Go Total All" on a whole table.
#include <QFrame>
#include <QLabel>
#include <QProgressBar>

#include "app/main_window.h"
#include "app/widget_text.h"
#include "stats/load_match_stats.h"
#include "stats/match_details.h"
#include "stats/stats_pass.h"
#include "stats/step_indicators.h"

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
  LoadMatchStats(table[row], ID, config_.bookmaker_site, team_page_list_, match_stats_);
  const double step1 = ComputeStep1(match_stats_.sg1, match_stats_.sg2);
  const double step2 = ComputeStep2(match_stats_.sg1, match_stats_.sg2, home, away);
  const char separator = config_.regional.decimal_separator;
  sh1->setText(Shown(FormatClickLabel(step1, separator)));
  sh2->setText(Shown(FormatClickLabel(step2, separator)));
  table[row].step1 = RoundToLabel(step1);
  table[row].step2 = RoundToLabel(step2);
  ApplyStepColours(table[row], step1, step2);
  ModelMatch(table[row]);
  if (current_language_ == "ENG") {
    TranslateHistory(match_stats_, [this](std::string_view name) { return TranslateTeam(name); });
  }
  ShowMatchStats(match_stats_);
  RefreshTables();
}

void MainWindow::GoTotalAll(MatchTable& table, MessagesAt messages_at) {
  pan2->setEnabled(false);
  pan1->show();
  pan1->raise();
  gauge_.SetMaximum(static_cast<int>(table.size()));
  StatsPass pass(table, StatsSourcesOfWindow(), config_.read_ahead, [this] { ProcessMessages(); });
  for (std::size_t r = 0; r < table.size(); ++r) {
    gauge_.SetValue(static_cast<int>(r));
    const Steps steps = ReadMatch(pass, table, r);
    table[r].step1 = RoundTwoDecimals(steps.step1);
    table[r].step2 = RoundTwoDecimals(steps.step2);
    ShowStoredSteps(table[r]);
    if (messages_at == MessagesAt::kBeforeColours) ProcessMessages();
    ApplyStepColours(table[r], steps.step1, steps.step2);
    if (messages_at == MessagesAt::kAfterColours) ProcessMessages();
  }
  pan1->hide();
  pan2->setEnabled(true);
  RefreshTables();
}

}  // namespace kavero::app
