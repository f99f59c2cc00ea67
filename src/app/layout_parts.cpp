#include "app/layout_parts.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>

#include "app/marked_cell_delegate.h"

namespace kavero::app {
namespace {

constexpr int kRowHeight = 20;
constexpr int kHeaderHeight = 20;

}  // namespace

void PlaceFitting(QWidget* widget, int left, int top) {
  widget->adjustSize();
  widget->move(left, top);
}

QLabel* MakeFramedValue(QWidget* parent, const char* name, QRect place) {
  auto* label = Make<QLabel>(parent, name);
  label->setGeometry(place);
  label->setFrameShape(QFrame::StyledPanel);
  label->setFrameShadow(QFrame::Sunken);
  label->setAlignment(Qt::AlignCenter);
  label->setText(QStringLiteral("0"));
  return label;
}

QFont ArialOfHeight(int line_height) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(line_height * 6 / 7);
  return font;
}

QFont PanelFont() {
  return ArialOfHeight(14);
}

QFont BoldFont(QFont font) {
  font.setBold(true);
  return font;
}

void StyleGrid(QTableView* grid) {
  grid->setItemDelegate(new MarkedCellDelegate(grid));
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setAlternatingRowColors(true);
  grid->setWordWrap(false);
  grid->setTextElideMode(Qt::ElideNone);  // the layout's narrow columns cut, never hide, digits
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
  grid->horizontalHeader()->setFixedHeight(kHeaderHeight);
  grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->horizontalHeader()->setHighlightSections(false);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void SetWidths(QTableView* grid, std::initializer_list<int> widths) {
  int column = 0;
  for (int width : widths) grid->setColumnWidth(column++, width);
}

}  // namespace kavero::app
