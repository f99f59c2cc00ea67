#include "app/marked_cell_delegate.h"

#include <QPainter>
#include <QPen>

namespace kavero::app {

void MarkedCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  const bool selected = option.state & QStyle::State_Selected;
  if (!selected || !index.data(Qt::BackgroundRole).isValid()) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  QStyleOptionViewItem unselected = option;
  unselected.state &= ~QStyle::State_Selected;
  QStyledItemDelegate::paint(painter, unselected, index);

  constexpr int kFrame = 2;
  painter->save();
  painter->setPen(QPen(option.palette.color(QPalette::Highlight), kFrame));
  painter->setBrush(Qt::NoBrush);
  painter->drawRect(
      QRectF(option.rect).adjusted(kFrame / 2.0, kFrame / 2.0, -kFrame / 2.0, -kFrame / 2.0));
  painter->restore();
}

}  // namespace kavero::app
