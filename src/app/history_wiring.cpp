// The history in the window: opened at start, "My record…" in both tables'
// menus, the line's movement in the odds cells' hints and the detail area.
#include <QStyle>

#include "app/detail_area.h"
#include "app/main_window.h"
#include "app/match_table_model.h"
#include "app/menu_items.h"
#include "app/my_record_dialog.h"
#include "app/run_history.h"

namespace kavero::app {

void MainWindow::BuildHistory() {
  history_ = std::make_unique<RunHistory>();
  history_->Open(config_.history_folder, config_.history_clock);
  const auto hint = [this](const MatchRow& row, bool under) {
    return history_->CellHint(row, under ? history::OddsSide::kUnder : history::OddsSide::kOver,
                              current_language_, config_.regional.decimal_separator);
  };
  next_grid1_model_->SetMovementHint(hint);
  next_grid2_model_->SetMovementHint(hint);
}

void MainWindow::BuildMyRecordItems() {
  // Right after "Check on past seasons…", in both tables.
  const QIcon icon = style()->standardIcon(QStyle::SP_FileDialogInfoView);
  const auto add = [this, &icon](QMenu* menu, QAction* previous, const char* name) {
    QAction* action = InsertMenuItemAfter(menu, previous, icon, name);
    connect(action, &QAction::triggered, this, [this] { Guarded([this] { MyRecordClick(); }); });
    return action;
  };
  MyRecord1 = add(spSkinPopupMenu1, PastSeasons1, "MyRecord1");
  MyRecord2 = add(spSkinPopupMenu2, PastSeasons2, "MyRecord2");
}

void MainWindow::SettleFromPagesRead(const MatchRow& row) {
  history_->Settle(row, match_stats_, team_page_list_);
}

void MainWindow::KeepMarks(const MatchTable& rows) {
  history_->SaveRun(rows, config_.bookmaker_site, config_.regional.short_date_format);
}

void MainWindow::ShowMovement(const MatchRow& row) {
  detail_area_->ShowMovement(
      history_->DetailLine(row, current_language_, config_.regional.decimal_separator));
}

void MainWindow::MyRecordClick() {
  ShowMyRecord(this, history_->Store(), history_->Today(), current_language_,
               config_.regional.decimal_separator, choose_csv_path, show_error);
}

}  // namespace kavero::app
