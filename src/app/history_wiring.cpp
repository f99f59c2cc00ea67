// The history in the window: "My record…" in both tables' menus, the line's
// movement in the odds cells' hints.
#include <QStyle>
#include <tuple>

#include "app/history_texts.h"
#include "app/main_window.h"
#include "app/match_table_model.h"
#include "app/my_record_dialog.h"

namespace kavero::app {

void MainWindow::BuildHistoryHints() {
  const auto hint = [this](const MatchRow& row, bool under) {
    return CellHint(core_.History(), row,
                    under ? history::OddsSide::kUnder : history::OddsSide::kOver,
                    core_.CurrentLanguage(), config_.regional.decimal_separator);
  };
  next_grid1_model_->SetMovementHint(hint);
  next_grid2_model_->SetMovementHint(hint);
}

void MainWindow::BuildMyRecordItems() {
  // Right after "Check on past seasons…", in both tables.
  std::tie(MyRecord1, MyRecord2) =
      AddToBothMenus(style()->standardIcon(QStyle::SP_FileDialogInfoView), "MyRecord", PastSeasons1,
                     PastSeasons2, &MainWindow::MyRecordClick);
}

void MainWindow::MyRecordClick() {
  ShowMyRecord(this, core_.History().Store(), core_.History().Today(), core_.CurrentLanguage(),
               config_.regional.decimal_separator, choose_csv_path, show_error);
}

}  // namespace kavero::app
