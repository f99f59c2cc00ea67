#include "app/window_fit.h"

#include <algorithm>

namespace kavero::app {

WindowPlace FitWindow(QSize layout, QRect available, QMargins frame, int scroll_bar) {
  const QSize room = available.marginsRemoved(frame).size();
  WindowPlace place;
  QSize size = layout;
  if (size.height() > room.height()) size.rwidth() += scroll_bar;
  if (size.width() > room.width()) size.rheight() += scroll_bar;
  place.scrolls = size != layout;
  size = size.boundedTo(room);
  const QSize outer = size.grownBy(frame);
  const QPoint corner(available.left() + std::max(0, (available.width() - outer.width()) / 2),
                      available.top() + std::max(0, (available.height() - outer.height()) / 2));
  place.client = QRect(corner + QPoint(frame.left(), frame.top()), size);
  return place;
}

}  // namespace kavero::app
