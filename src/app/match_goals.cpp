// The goals model of a match whose statistics were just read.
#include "app/detail_area.h"
#include "app/goals_hints.h"
#include "app/main_window.h"
#include "stats/goals_model.h"

namespace kavero::app {

void MainWindow::ShowGoalsModel(MatchRow& row) {
  // The league rows come from the team pages just read: no request of its
  // own. A match whose team pages could not be read keeps the model it had.
  if (!match_stats_.team_failures[0] && !match_stats_.team_failures[1]) {
    row.goals_model = ComputeGoalsModel(match_stats_.league_rows[0], match_stats_.league_rows[1],
                                        row.total, row.under, row.over);
  }
  detail_area_->ShowGoalsModel(row.goals_model, current_language_);
}

}  // namespace kavero::app
