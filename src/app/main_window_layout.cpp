// The window's controls at their layout places, in their initial states.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <algorithm>
#include <string>

#include "app/captions.h"
#include "app/detail_area.h"
#include "app/flag_delegate.h"
#include "app/header_arrow_style.h"
#include "app/header_sort.h"
#include "app/layout_parts.h"
#include "app/main_window.h"
#include "app/match_table_model.h"
#include "app/menu_items.h"
#include "app/start_pictures.h"
#include "app/widget_text.h"
#include "base/cp1251_literal.h"
#include "line/flag_stems.h"

namespace kavero::app {

using namespace kavero::literals;

void MainWindow::BuildLayout() {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("KAVERO"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFont(ArialOfHeight(13));
  // The layout at its own size; FitToScreen scrolls it on a small screen.
  canvas_ = Make<QWidget>(this, "canvas");
  canvas_->setFixedSize(916, 627);
  canvas_->installEventFilter(this);

  BuildResultsPanel();
  BuildStartControls();
  BuildMenus();
  ApplyCaptions(LayoutCaptions());
}

void MainWindow::BuildStartControls() {
  spSkinStdLabel3 = Make<QLabel>(canvas_, "spSkinStdLabel3");
  spSkinStdLabel3->setText(QStringLiteral("Language / Язык:"));
  spSkinStdLabel3->setGeometry(168, 104, 90, 13);

  E = Make<QPushButton>(canvas_, "E");
  E->setGeometry(136, 120, 81, 33);
  E->setText(QStringLiteral("English"));
  E->setEnabled(false);
  R = Make<QPushButton>(canvas_, "R");
  R->setGeometry(224, 120, 81, 33);
  R->setText(QStringLiteral("Русский"));
  E->setIcon(flag_pictures_.at(FlagIndex("Великобритан"_w1251, FlagStems())));
  R->setIcon(flag_pictures_.at(FlagIndex("Росси"_w1251, FlagStems())));

  spSkinXFormButton2 = Make<QPushButton>(canvas_, "spSkinXFormButton2");
  spSkinXFormButton2->setGeometry(696, 120, 79, 33);
  spSkinXFormButton2->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));

  pan1 = Make<QFrame>(canvas_, "pan1");
  pan1->setGeometry(136, 156, 640, 265);
  pan1->setFrameShape(QFrame::StyledPanel);
  pan1->setAutoFillBackground(true);
  pan1->setFont(PanelFont());

  Image1 = Make<QLabel>(pan1, "Image1");
  Image1->setGeometry(9, 16, 403, 141);
  Image1->setPixmap(DrawPitchPicture(Image1->size()));
  Image2 = Make<QLabel>(pan1, "Image2");
  Image2->setGeometry(424, 8, 209, 225);
  Image2->setPixmap(DrawTotalsPicture(Image2->size()));

  const QString home_page = QString::fromStdString(config_.home_page);
  spSkinLinkLabel1 = Make<QLabel>(pan1, "spSkinLinkLabel1");
  spSkinLinkLabel1->setTextFormat(Qt::RichText);
  spSkinLinkLabel1->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                                .arg(home_page.toHtmlEscaped(), home_page.toHtmlEscaped()));
  spSkinLinkLabel1->setOpenExternalLinks(false);
  spSkinLinkLabel1->setCursor(Qt::PointingHandCursor);
  spSkinLinkLabel1->setGeometry(488, 240, 83, 14);
  spSkinLinkLabel1->setToolTip(home_page);  // the whole address, where the label cuts it

  spSkinShadowLabel3 = Make<QLabel>(pan1, "spSkinShadowLabel3");
  spSkinShadowLabel3->setFont(BoldFont(PanelFont()));
  spSkinShadowLabel3->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));

  pr = Make<QProgressBar>(pan1, "pr");
  pr->setGeometry(16, 232, 390, 20);
  pr->setRange(0, 100);
  pr->setValue(0);
  pr->setTextVisible(false);

  spSkinXFormButton1 = Make<QPushButton>(pan1, "spSkinXFormButton1");
  spSkinXFormButton1->setGeometry(128, 200, 169, 25);
  spSkinXFormButton1->setDefault(true);

  ch = Make<QCheckBox>(pan1, "ch");
  ch->setGeometry(8, 170, 249, 25);
  ch->setChecked(true);

  pan1->raise();  // above pan2 whenever both are shown
}

void MainWindow::BuildResultsPanel() {
  pan2 = Make<QWidget>(canvas_, "pan2");
  pan2->setGeometry(0, 0, 913, 628);
  pan2->setFont(PanelFont());
  pan2->setAutoFillBackground(true);
  pan2->hide();
  pan2->installEventFilter(this);

  spSkinStdLabel1 = Make<QLabel>(pan2, "spSkinStdLabel1");
  combo = Make<QComboBox>(pan2, "combo");
  combo->setGeometry(48, 13, 97, 20);
  spSkinXFormButton3 = Make<QPushButton>(pan2, "spSkinXFormButton3");
  spSkinXFormButton3->setGeometry(152, 11, 49, 25);
  spSkinXFormButton3->setText(QStringLiteral("OK"));
  spSkinStdLabel2 = Make<QLabel>(pan2, "spSkinStdLabel2");
  kol = MakeFramedValue(pan2, "kol", QRect(528, 16, 65, 21));

  BuildMatchGrids();
  detail_area_ = new DetailArea(pan2, config_.regional.decimal_separator);

  flay = Make<QListWidget>(pan2, "flay");
  flay->setGeometry(24, 80, 105, 329);
  for (std::string_view stem : FlagStems()) {
    flay->addItem(Shown(stem));
  }
  flay->hide();
}

void MainWindow::BuildMatchGrids() {
  const char separator = config_.regional.decimal_separator;
  const auto model = [this, separator](Grid grid, bool bold_total) {
    return new MatchTableModel(
        core_.Rows(grid),
        [this, grid](const std::vector<std::size_t>& order) { core_.Reorder(grid, order); },
        flag_pictures_, separator, bold_total, this);
  };
  next_grid1_model_ = model(Grid::kAll, true);
  next_grid2_model_ = model(Grid::kDay, false);
  next_grid1_model_->SetHeader(MatchTableModel::kUrlColumn, QStringLiteral("URL"));

  const auto make = [this](const char* name, QRect place, MatchTableModel* model) {
    auto* grid = Make<QTableView>(pan2, name);
    grid->setGeometry(place);
    grid->setModel(model);
    StyleGrid(grid);
    grid->setItemDelegateForColumn(0, new FlagDelegate(grid));
    SetWidths(grid, {27, 66, 47, 113, 116, 33, 39, 37, 165, 41, 43});
    grid->setColumnHidden(MatchTableModel::kUrlColumn, true);
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    PutSortArrowAboveText(grid->horizontalHeader());
    SortOnHeaderClick(grid->horizontalHeader(),
                      [model](int column, Qt::SortOrder order) { model->sort(column, order); });
    return grid;
  };
  NextGrid1 = make("NextGrid1", QRect(8, 41, 585, 582), next_grid1_model_);
  NextGrid2 = make("NextGrid2", QRect(8, 40, 585, 582), next_grid2_model_);
  NextGrid2->hide();
}

void MainWindow::BuildMenus() {
  const QIcon save_icon = style()->standardIcon(QStyle::SP_DialogSaveButton);
  const QIcon recompute_icon = style()->standardIcon(QStyle::SP_BrowserReload);
  const auto make_menu = [this](const char* name, QTableView* grid) {
    auto* menu = Make<QMenu>(this, name);
    connect(grid, &QWidget::customContextMenuRequested, menu,
            [grid, menu](const QPoint& at) { menu->popup(grid->viewport()->mapToGlobal(at)); });
    return menu;
  };
  const auto make_item = [](QMenu* menu, const char* name, const QIcon& icon) {
    return InsertMenuItemAfter(menu, nullptr, icon, name);
  };
  spSkinPopupMenu1 = make_menu("spSkinPopupMenu1", NextGrid1);
  Save1 = make_item(spSkinPopupMenu1, "Save1", save_icon);
  GoTotalAll1 = make_item(spSkinPopupMenu1, "GoTotalAll1", recompute_icon);
  spSkinPopupMenu2 = make_menu("spSkinPopupMenu2", NextGrid2);
  SAVE2 = make_item(spSkinPopupMenu2, "SAVE2", save_icon);
  GoTotalAll2 = make_item(spSkinPopupMenu2, "GoTotalAll2", recompute_icon);
  const QIcon export_icon = style()->standardIcon(QStyle::SP_FileDialogDetailedView);
  ExportCsv1 = make_item(spSkinPopupMenu1, "ExportCsv1", export_icon);
  ExportCsv2 = make_item(spSkinPopupMenu2, "ExportCsv2", export_icon);
  BuildPastSeasonsItems();
  BuildMyRecordItems();
}

std::pair<QAction*, QAction*> MainWindow::AddToBothMenus(const QIcon& icon, const char* name,
                                                         QAction* after1, QAction* after2,
                                                         void (MainWindow::*handler)()) {
  const auto add = [&](QMenu* menu, QAction* after, const char* number) {
    QAction* action = InsertMenuItemAfter(menu, after, icon, (std::string(name) + number).c_str());
    connect(action, &QAction::triggered, this,
            [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
    return action;
  };
  return {add(spSkinPopupMenu1, after1, "1"), add(spSkinPopupMenu2, after2, "2")};
}

void MainWindow::ApplyCaptions(const Captions& captions) {
  spSkinShadowLabel3->setText(captions.free_ware);
  PlaceFitting(spSkinShadowLabel3, 544, 216);
  spSkinXFormButton2->setText(captions.help);
  for (int column = 1; column < MatchTableModel::kColumnCount; ++column) {
    if (column == MatchTableModel::kUrlColumn) continue;
    next_grid1_model_->SetHeader(column, captions.match_headers[column]);
    next_grid2_model_->SetHeader(column, captions.match_headers[column]);
  }
  for (int column = 0; column < MatchTableModel::kColumnCount; ++column) {
    next_grid1_model_->SetHeaderHint(column, captions.match_hints[column]);
    next_grid2_model_->SetHeaderHint(column, captions.match_hints[column]);
  }
  detail_area_->ApplyCaptions(captions);
  spSkinStdLabel1->setText(captions.date_label);
  PlaceFitting(spSkinStdLabel1, 16, 16);
  ch->setText(captions.without_totals);
  ch->resize(std::max(249, ch->sizeHint().width()), 25);
  spSkinStdLabel2->setText(captions.found_label);
  PlaceFitting(spSkinStdLabel2, 474, 20);
  spSkinXFormButton1->setText(captions.start);
  SAVE2->setText(captions.save2);
  GoTotalAll2->setText(captions.go_total_all2);
  Save1->setText(captions.save1);
  GoTotalAll1->setText(captions.go_total_all1);
  ExportCsv1->setText(captions.export_csv);
  ExportCsv2->setText(captions.export_csv);
  PastSeasons1->setText(captions.past_seasons);
  PastSeasons2->setText(captions.past_seasons);
  MyRecord1->setText(captions.my_record);
  MyRecord2->setText(captions.my_record);
  captions_language_ = captions.language;
  next_grid1_model_->SetHintLanguage(captions.language);
  next_grid2_model_->SetHintLanguage(captions.language);
}

}  // namespace kavero::app
