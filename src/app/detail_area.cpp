#include "app/detail_area.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <array>

#include "app/captions.h"
#include "app/elided_label.h"
#include "app/header_sort.h"
#include "app/history_grid.h"
#include "app/layout_parts.h"
#include "app/widget_text.h"
#include "results/general_format.h"
#include "stats/indicator_rules.h"

namespace kavero::app {
namespace {

const QString kNotRead = QStringLiteral("–");

QTableWidget* MakeDetailGrid(QWidget* parent, const char* name, QRect place,
                             const QStringList& headers, std::initializer_list<int> widths) {
  auto* grid = Make<QTableWidget>(parent, name);
  grid->setGeometry(place);
  grid->setColumnCount(static_cast<int>(headers.size()));
  grid->setHorizontalHeaderLabels(headers);
  StyleGrid(grid);
  SetWidths(grid, widths);
  SortOnHeaderClick(grid->horizontalHeader(),
                    [grid](int column, Qt::SortOrder order) { grid->sortItems(column, order); });
  return grid;
}

template <std::size_t kColumns>
void SetHeaderHints(QTableWidget* grid, const std::array<QString, kColumns>& hints) {
  for (int column = 0; column < static_cast<int>(kColumns); ++column) {
    grid->horizontalHeaderItem(column)->setToolTip(hints[column]);
  }
}

QTableWidgetItem* TextItem(std::string_view text, Qt::Alignment alignment = Qt::AlignCenter) {
  auto* item = new QTableWidgetItem(Shown(text));
  item->setTextAlignment(alignment | Qt::AlignVCenter);
  return item;
}

void FillHistory(QTableWidget* grid, const HistoryTable& rows) {
  grid->setRowCount(static_cast<int>(rows.size()));
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    grid->setItem(i, 0, TextItem(rows[i].date));
    grid->setItem(i, 1, TextItem(rows[i].match, Qt::AlignLeft));
    grid->setItem(i, 2, TextItem(rows[i].score));
  }
  FitHistoryGrid(grid);
}

// Cells of `row` from `first_column` on that a failed page left unread.
void ShowNotRead(QTableWidget* grid, int row, int first_column, const QString& why) {
  for (int column = first_column; column < grid->columnCount(); ++column) {
    auto* item = new QTableWidgetItem(kNotRead);
    item->setTextAlignment(Qt::AlignCenter);
    item->setToolTip(why);
    grid->setItem(row, column, item);
  }
}

}  // namespace

DetailArea::DetailArea(QWidget* panel, char decimal_separator)
    : QWidget(panel), decimal_separator_(decimal_separator) {
  setObjectName(QStringLiteral("detailArea"));
  setGeometry(panel->rect());
  lower();  // the panel's other controls stay on top, clickable where the area is bare

  spSkinBevel1 = Make<QFrame>(this, "spSkinBevel1");
  spSkinBevel1->setGeometry(596, 5, 312, 464);
  spSkinBevel1->setFrameShape(QFrame::StyledPanel);
  spSkinBevel1->setFrameShadow(QFrame::Sunken);
  spSkinShadowLabel1 = Make<QLabel>(this, "spSkinShadowLabel1");
  spSkinShadowLabel1->setFont(BoldFont(PanelFont()));
  sh1 = MakeFramedValue(this, "sh1", QRect(664, 8, 75, 21));
  spSkinShadowLabel2 = Make<QLabel>(this, "spSkinShadowLabel2");
  spSkinShadowLabel2->setFont(BoldFont(PanelFont()));
  sh2 = MakeFramedValue(this, "sh2", QRect(824, 8, 75, 21));

  BuildGrids();

  // The goals model of the shown match, in the strip between the two teams'
  // histories; the space beside the OK button belongs to the status line.
  goals_line = Make<ElidedLabel>(this, "goals_line");
  goals_line->setGeometry(600, 147, 305, 13);
  goals_line->setFont(ArialOfHeight(13));
  goals_line->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

  // Which match the area shows, in the strip between the indicators and SG1.
  match_name = Make<ElidedLabel>(this, "match_name");
  match_name->setGeometry(600, 29, 305, 11);
  match_name->setFont(ArialOfHeight(11));
  match_name->setAlignment(Qt::AlignCenter);

  // The line's movement, in the strip under the bevel, above the league rows.
  movement_line = Make<ElidedLabel>(this, "movement_line");
  movement_line->setGeometry(600, 468, 305, 11);
  movement_line->setFont(ArialOfHeight(11));
  movement_line->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void DetailArea::BuildGrids() {
  const QStringList history = {QString(), QString(), QString()};  // captions set by language
  SG1 = MakeDetailGrid(this, "SG1", QRect(600, 40, 305, 106), history,
                       {kHistoryDateWidth, kHistoryMatchWidth, 55});
  SG2 = MakeDetailGrid(this, "SG2", QRect(600, 161, 305, 106), history,
                       {kHistoryDateWidth, kHistoryMatchWidth, 55});
  SG3 = MakeDetailGrid(this, "SG3", QRect(600, 272, 307, 192), history,
                       {kHistoryDateWidth, kHistoryMatchWidth, 57});

  const QFont small_header = ArialOfHeight(12);
  TUR = MakeDetailGrid(
      this, "TUR", QRect(600, 480, 305, 56),
      {QStringLiteral("М"), QStringLiteral("Com"), QStringLiteral("И"), QStringLiteral("В"),
       QStringLiteral("Н"), QStringLiteral("П"), QStringLiteral("З - П"), QStringLiteral("О")},
      {30, 90, 30, 30, 30, 30, 30, 30});
  TOT_COM = MakeDetailGrid(this, "TOT_COM", QRect(600, 544, 305, 75),
                           {QStringLiteral("Команда"), QStringLiteral("И"), QStringLiteral("0,5"),
                            QStringLiteral("1,5"), QStringLiteral("2,5"), QStringLiteral("0,5 %"),
                            QStringLiteral("1,5 %"), QStringLiteral("2,5 %")},
                           {90, 30, 30, 30, 30, 30, 30, 30});
  for (QTableWidget* grid : {TUR, TOT_COM}) {
    grid->horizontalHeader()->setFont(small_header);
    grid->verticalHeader()->setDefaultSectionSize(18);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  }
}

void DetailArea::ApplyCaptions(const Captions& captions) {
  for (QTableWidget* grid : {SG1, SG2, SG3}) {
    grid->setHorizontalHeaderLabels(
        {captions.history_headers.begin(), captions.history_headers.end()});
    SetHeaderHints(grid, captions.history_hints);
  }
  SetHeaderHints(TUR, captions.tur_hints);
  SetHeaderHints(TOT_COM, captions.totals_hints);
  spSkinShadowLabel1->setText(captions.step1_label);
  PlaceFitting(spSkinShadowLabel1, 608, 8);
  spSkinShadowLabel2->setText(captions.step2_label);
  PlaceFitting(spSkinShadowLabel2, 768, 8);
}

void DetailArea::ShowMatchStats(const MatchStats& stats) {
  // Every detail table is rebuilt in page order.
  for (QTableWidget* grid : {SG1, SG2, SG3, TUR, TOT_COM}) {
    ForgetHeaderSort(grid->horizontalHeader());
  }
  FillHistory(SG1, stats.home_recent);
  FillHistory(SG2, stats.away_recent);
  FillHistory(SG3, stats.meetings);

  TUR->setRowCount(static_cast<int>(stats.league_rows.size()));
  QFont bold = TUR->font();
  bold.setBold(true);
  for (int i = 0; i < static_cast<int>(stats.league_rows.size()); ++i) {
    for (int column = 0; column < static_cast<int>(stats.league_rows[i].cells.size()); ++column) {
      QTableWidgetItem* item = TextItem(stats.league_rows[i].cells[column]);
      if (column == 0) item->setFont(bold);
      TUR->setItem(i, column, item);
    }
  }

  TOT_COM->setRowCount(static_cast<int>(stats.totals.size()));
  for (int i = 0; i < static_cast<int>(stats.totals.size()); ++i) {
    const TotalsRow& row = stats.totals[i];
    TOT_COM->setItem(i, 0, TextItem(row.team, Qt::AlignLeft));
    for (int k = 0; k < static_cast<int>(row.numbers.size()); ++k) {
      auto* item = new QTableWidgetItem;
      item->setData(Qt::DisplayRole, row.numbers[k]);  // sorts as a number
      item->setTextAlignment(Qt::AlignCenter);
      const int green_index = k - 4;  // the three percentage columns
      if (green_index >= 0 && row.green[green_index]) {
        item->setBackground(QColor(0, 128, 0));
        item->setForeground(Qt::white);
      }
      TOT_COM->setItem(i, k + 1, item);
    }
  }

  for (int side = 0; side < 2; ++side) {
    const auto& failure = stats.team_failures[static_cast<std::size_t>(side)];
    if (!failure) continue;
    const QString why = problem_text_ ? problem_text_(*failure) : QString();
    ShowNotRead(TUR, side, 0, why);
    ShowNotRead(TOT_COM, side, 1, why);
    ShowNotRead(TOT_COM, 2, 1, why);  // the combined row holds the failed side's part
  }
}

void DetailArea::SetProblemText(std::function<QString(const PageProblem&)> text) {
  problem_text_ = std::move(text);
}

void DetailArea::ShowClickSteps(double step1, double step2) {
  sh1->setText(Shown(FormatClickLabel(step1, decimal_separator_)));
  sh2->setText(Shown(FormatClickLabel(step2, decimal_separator_)));
}

void DetailArea::ShowStepsNotRead() {
  sh1->setText(kNotRead);
  sh2->setText(kNotRead);
}

void DetailArea::ShowStoredSteps(const MatchRow& row) {
  sh1->setText(Shown(FormatGeneral(row.step1, decimal_separator_)));
  sh2->setText(Shown(FormatGeneral(row.step2, decimal_separator_)));
}

void DetailArea::ShowMatchName(const MatchRow& row) {
  const QString name = Shown(row.home) + QStringLiteral(" – ") + Shown(row.away) +
                       QStringLiteral(", ") + Shown(row.date);
  match_name->SetFullText(name);
  match_name->setToolTip(name);
}

void DetailArea::Clear() {
  ShowMatchStats(MatchStats{});
  match_name->SetFullText(QString());
  match_name->setToolTip(QString());
  ShowMovement(QString());
  sh1->setText(QStringLiteral("0"));
  sh2->setText(QStringLiteral("0"));
}

void DetailArea::ShowMovement(const QString& text) {
  movement_line->SetFullText(text);
  movement_line->setToolTip(text);
}

void DetailArea::ShowGoalsModel(const std::optional<GoalsModel>& model, Language language) {
  const QString text = model ? GoalsModelLine(*model, language, decimal_separator_) : QString();
  goals_line->SetFullText(text);
  goals_line->setToolTip(text);
}

}  // namespace kavero::app
