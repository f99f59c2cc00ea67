#include "app/header_arrow_style.h"

#include <QPainter>
#include <QPolygon>
#include <QStyleOptionHeader>
#include <QWidget>

namespace kavero::app {

void HeaderArrowStyle::drawControl(ControlElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
  const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option);
  if (element != CE_Header || header == nullptr ||
      header->sortIndicator == QStyleOptionHeader::None) {
    QProxyStyle::drawControl(element, option, painter, widget);
    return;
  }
  QStyleOptionHeader plain = *header;
  plain.sortIndicator = QStyleOptionHeader::None;
  painter->save();  // the header leaves its clip behind, which would hide the arrow
  QProxyStyle::drawControl(CE_Header, &plain, painter, widget);
  painter->restore();
  // A small triangle, pointing the way the order runs.
  const QRect place = ArrowPlace(header->rect);
  const bool up = header->sortIndicator == QStyleOptionHeader::SortUp;
  const QPolygon triangle = up ? QPolygon({place.bottomLeft(), place.bottomRight() + QPoint(1, 0),
                                           QPoint(place.center().x(), place.top())})
                               : QPolygon({place.topLeft(), place.topRight() + QPoint(1, 0),
                                           QPoint(place.center().x(), place.bottom())});
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setPen(Qt::NoPen);
  painter->setBrush(header->palette.color(QPalette::ButtonText));
  painter->drawPolygon(triangle);
  painter->restore();
}

QRect HeaderArrowStyle::ArrowPlace(const QRect& section) {
  constexpr int kWidth = 7;
  constexpr int kHeight = 4;
  return {section.center().x() - kWidth / 2, section.top() + 1, kWidth, kHeight};
}

void PutSortArrowAboveText(QWidget* header) {
  auto* style = new HeaderArrowStyle;
  style->setParent(header);
  header->setStyle(style);
}

}  // namespace kavero::app
