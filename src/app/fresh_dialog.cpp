#include "app/fresh_dialog.h"

#include <QDialog>

namespace kavero::app {

QDialog* FreshDialog(QWidget* owner, const QString& name, const QString& title) {
  if (auto* open = owner->findChild<QDialog*>(name)) {
    open->close();
    delete open;
  }
  auto* dialog = new QDialog(owner);
  dialog->setObjectName(name);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle(title);
  return dialog;
}

}  // namespace kavero::app
