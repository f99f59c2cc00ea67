#pragma once
#include <QHeaderView>
#include <functional>

namespace kavero::app {

// A click on a header sorts ascending by that column; a second click on the
// same header reverses the order.
void SortOnHeaderClick(QHeaderView* header, std::function<void(int, Qt::SortOrder)> sort);

// The rows were rebuilt in their own order: no sort arrow, and the next click
// on any header sorts ascending.
void ForgetHeaderSort(QHeaderView* header);

}  // namespace kavero::app
