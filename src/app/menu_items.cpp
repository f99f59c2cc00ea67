#include "app/menu_items.h"

namespace kavero::app {

QAction* InsertMenuItemAfter(QMenu* menu, QAction* previous, const QIcon& icon, const char* name) {
  auto* action = new QAction(icon, QString(), menu);
  action->setObjectName(QString::fromLatin1(name));
  const QList<QAction*> actions = menu->actions();
  const qsizetype at = actions.indexOf(previous);
  menu->insertAction(at >= 0 && at + 1 < actions.size() ? actions[at + 1] : nullptr, action);
  return action;
}

}  // namespace kavero::app
