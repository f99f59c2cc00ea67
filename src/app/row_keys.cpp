#include "app/row_keys.h"

#include <QEvent>
#include <QKeyEvent>

namespace kavero::app {
namespace {

class RowKeys : public QObject {
 public:
  RowKeys(QAbstractItemView* grid, std::function<void(const QModelIndex&)> activate)
      : QObject(grid), grid_(grid), activate_(std::move(activate)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != grid_ || event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space) return false;
    const QModelIndex current = grid_->currentIndex();
    if (!current.isValid()) return false;
    activate_(current);
    return true;
  }

 private:
  QAbstractItemView* grid_;
  std::function<void(const QModelIndex&)> activate_;
};

}  // namespace

void ActivateRowsByKeys(QAbstractItemView* grid, std::function<void(const QModelIndex&)> activate) {
  grid->installEventFilter(new RowKeys(grid, std::move(activate)));
}

}  // namespace kavero::app
