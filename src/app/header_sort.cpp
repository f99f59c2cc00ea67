#include "app/header_sort.h"

namespace kavero::app {

void SortOnHeaderClick(QHeaderView* header, std::function<void(int, Qt::SortOrder)> sort) {
  header->setSectionsClickable(true);
  header->setSortIndicatorShown(false);
  QObject::connect(
      header, &QHeaderView::sectionClicked, header, [header, sort = std::move(sort)](int column) {
        const bool again =
            header->isSortIndicatorShown() && header->sortIndicatorSection() == column;
        const Qt::SortOrder order = again && header->sortIndicatorOrder() == Qt::AscendingOrder
                                        ? Qt::DescendingOrder
                                        : Qt::AscendingOrder;
        header->setSortIndicator(column, order);
        header->setSortIndicatorShown(true);
        sort(column, order);
      });
}

}  // namespace kavero::app
