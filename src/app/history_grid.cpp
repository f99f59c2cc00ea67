#include "app/history_grid.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace kavero::app {

void FitHistoryGrid(QTableWidget* grid) {
  const int frames = 2 * grid->frameWidth();
  const int rows_height = grid->rowCount() * grid->verticalHeader()->defaultSectionSize();
  const int room_height = grid->height() - frames - grid->horizontalHeader()->height();
  const int scroll_bar = rows_height > room_height
                             ? grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr,
                                                          grid->verticalScrollBar())
                             : 0;
  const int room = grid->width() - frames - scroll_bar;
  grid->setColumnWidth(
      1, std::min(kHistoryMatchWidth, room - grid->columnWidth(0) - grid->columnWidth(2)));

  // The item views leave this much room beside a cell's text on either side.
  const int margins =
      2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1);
  for (int row = 0; row < grid->rowCount(); ++row) {
    for (int column = 0; column < grid->columnCount(); ++column) {
      QTableWidgetItem* item = grid->item(row, column);
      if (!item) continue;
      const QFontMetrics metrics(item->data(Qt::FontRole).isValid() ? item->font() : grid->font());
      const bool cut =
          metrics.horizontalAdvance(item->text()) + margins > grid->columnWidth(column);
      item->setToolTip(cut ? item->text() : QString());
    }
  }
}

}  // namespace kavero::app
