#pragma once
// A dialog of which the window shows one at a time: an earlier one of the
// same name goes first.
#include <QString>

class QDialog;
class QWidget;

namespace kavero::app {

// A new dialog of `owner`, named `name` and titled `title`, deleted when closed.
QDialog* FreshDialog(QWidget* owner, const QString& name, const QString& title);

}  // namespace kavero::app
