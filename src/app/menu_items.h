#pragma once
// Context-menu items added beside the layout's own ones.
#include <QAction>
#include <QIcon>
#include <QMenu>

namespace kavero::app {

// A new item placed right after `previous` (last when `previous` is last or
// not in the menu), named `name` for the tests.
QAction* InsertMenuItemAfter(QMenu* menu, QAction* previous, const QIcon& icon, const char* name);

}  // namespace kavero::app
