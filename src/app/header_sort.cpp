#include "app/header_sort.h"

namespace kavero::app {
namespace {

// The header flips its own indicator on a mouse click before it reports the
// click, so the order is kept here rather than read back from the header.
constexpr char kSortedColumn[] = "kaveroSortedColumn";
constexpr char kSortedOrder[] = "kaveroSortedOrder";

}  // namespace

void SortOnHeaderClick(QHeaderView* header, std::function<void(int, Qt::SortOrder)> sort) {
  header->setSectionsClickable(true);
  ForgetHeaderSort(header);
  QObject::connect(
      header, &QHeaderView::sectionClicked, header, [header, sort = std::move(sort)](int column) {
        const bool again = header->property(kSortedColumn).toInt() == column &&
                           header->property(kSortedOrder).toInt() == Qt::AscendingOrder;
        const Qt::SortOrder order = again ? Qt::DescendingOrder : Qt::AscendingOrder;
        header->setProperty(kSortedColumn, column);
        header->setProperty(kSortedOrder, static_cast<int>(order));
        header->setSortIndicator(column, order);
        header->setSortIndicatorShown(true);
        sort(column, order);
      });
}

void ForgetHeaderSort(QHeaderView* header) {
  header->setProperty(kSortedColumn, -1);
  header->setProperty(kSortedOrder, static_cast<int>(Qt::AscendingOrder));
  header->setSortIndicatorShown(false);
}

}  // namespace kavero::app
