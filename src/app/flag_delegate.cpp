#include "app/flag_delegate.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace kavero::app {

void FlagDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
  QStyleOptionViewItem background = option;
  initStyleOption(&background, index);
  background.icon = QIcon();
  background.features &= ~QStyleOptionViewItem::HasDecoration;
  const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &background, painter, option.widget);

  const QPixmap picture = index.data(Qt::DecorationRole).value<QPixmap>();
  if (picture.isNull()) return;
  const QRect place = QStyle::alignedRect(option.direction, Qt::AlignCenter,
                                          picture.deviceIndependentSize().toSize(), option.rect);
  painter->drawPixmap(place, picture);
}

}  // namespace kavero::app
