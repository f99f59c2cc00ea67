#pragma once
#include <QHeaderView>
#include <functional>

namespace kavero::app {

// A click on a header sorts ascending by that column; a second click on the
// same header reverses the order.
void SortOnHeaderClick(QHeaderView* header, std::function<void(int, Qt::SortOrder)> sort);

}  // namespace kavero::app
