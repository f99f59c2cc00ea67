#pragma once
// Paints the cells of a table so that the selected row keeps its marks: a cell
// with a colour of its own (the red and green marks) keeps that colour and its
// text colour, and the selection shows on it as a frame.
#include <QStyledItemDelegate>

namespace kavero::app {

class MarkedCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

}  // namespace kavero::app
