#pragma once
// A real mouse click on a table's column header, as the user makes it.
#include <QHeaderView>
#include <QTableView>
#include <QTest>

namespace kavero::app::testing {

inline void ClickHeader(QTableView* grid, int column) {
  QHeaderView* header = grid->horizontalHeader();
  const QPoint middle(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                      header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, middle);
}

}  // namespace kavero::app::testing
