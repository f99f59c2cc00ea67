#pragma once
// Enter, Return and Space on a table's current row do what a click on it does,
// so that the tables can be used without a mouse.
#include <QAbstractItemView>
#include <functional>

namespace kavero::app {

void ActivateRowsByKeys(QAbstractItemView* grid, std::function<void(const QModelIndex&)> activate);

}  // namespace kavero::app
