#include "history_pictures.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QPainter>
#include <QTableView>
#include <QTableWidget>
#include <QToolTip>

#include "app/main_window.h"

namespace kavero::tools {
namespace {

// The hint the cell shows under the mouse, drawn where it would open.
void DrawHint(QPixmap& picture, const QWidget& window, QTableView& grid, const QModelIndex& cell) {
  const QRect rect = grid.visualRect(cell);
  const QPoint under_mouse = grid.viewport()->mapToGlobal(rect.center());
  QToolTip::showText(under_mouse, cell.data(Qt::ToolTipRole).toString(), grid.viewport(), rect);
  QApplication::processEvents();
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (!widget->inherits("QTipLabel") || !widget->isVisible()) continue;
    const QPoint at = grid.viewport()->mapTo(&window, rect.center()) + QPoint(4, 12);
    QPainter painter(&picture);
    painter.drawPixmap(std::min(at.x(), picture.width() - widget->width() - 4), at.y(),
                       widget->grab());
  }
  QToolTip::hideText();
}

}  // namespace

QModelIndex MovedOddsCell(const QAbstractItemModel& model, int row) {
  constexpr int kUnderColumn = 6;
  constexpr int kOverColumn = 7;
  for (const int column : {kOverColumn, kUnderColumn}) {
    const QModelIndex cell = model.index(row, column);
    if (cell.data(Qt::ToolTipRole).toString().contains(QStringLiteral("→"))) return cell;
  }
  return {};
}

void SaveHistoryPictures(app::MainWindow& window, const std::vector<int>& moved_rows,
                         const QDir& out) {
  auto* grid = window.findChild<QTableView*>(QStringLiteral("NextGrid1"));
  if (!moved_rows.empty()) {
    const int row = moved_rows.front();
    window.NextGrid1CellClick(0, row);
    const QModelIndex cell = MovedOddsCell(*grid->model(), row);
    grid->scrollTo(cell, QAbstractItemView::PositionAtCenter);
    QApplication::processEvents();
    QPixmap picture = window.grab();
    DrawHint(picture, window, *grid, cell);
    picture.save(out.filePath(QStringLiteral("history-movement.png")));
  }
  if (auto* dialog = window.findChild<QDialog*>(QStringLiteral("MyRecord"))) {
    auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("MyRecordTable"));
    table->resizeColumnsToContents();
    table->setFixedSize(table->horizontalHeader()->length() + 2 * table->frameWidth(),
                        table->horizontalHeader()->height() + table->verticalHeader()->length() +
                            2 * table->frameWidth());
    dialog->adjustSize();
    QApplication::processEvents();
    dialog->grab().save(out.filePath(QStringLiteral("history-record.png")));
  }
}

}  // namespace kavero::tools
