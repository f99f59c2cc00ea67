#pragma once
#include <QStyledItemDelegate>

namespace kavero::app {

// Paints a cell's picture in the middle of the cell; the item views' own
// painting puts a picture without text at the left edge.
class FlagDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

}  // namespace kavero::app
