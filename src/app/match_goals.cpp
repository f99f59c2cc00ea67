// The goals model of a match whose statistics were just read.
#include "app/detail_area.h"
#include "app/goals_hints.h"
#include "app/main_window.h"
#include "stats/goals_model.h"

namespace kavero::app {

void MainWindow::ShowGoalsModel(MatchRow& row, bool read) {
  // The league rows come from the pages just read: no request of its own. A
  // match that could not be read keeps the model it had.
  if (read) {
    row.goals_model = ComputeGoalsModel(match_stats_.league_rows[0], match_stats_.league_rows[1],
                                        row.total, row.under, row.over);
  }
  const HintLanguage language =
      current_language_ == "RUS" ? HintLanguage::kRussian : HintLanguage::kEnglish;
  detail_area_->ShowGoalsModel(row.goals_model, language);
}

}  // namespace kavero::app
