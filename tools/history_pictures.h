#pragma once
// The README's history pictures, taken from a window after a week of runs.
#include <QDir>
#include <QModelIndex>
#include <vector>

class QAbstractItemModel;

namespace kavero::app {
class MainWindow;
}

namespace kavero::tools {

// The Under or Over cell of `row` whose hint tells of a moved price; invalid when neither.
QModelIndex MovedOddsCell(const QAbstractItemModel& model, int row);

// "history-movement.png": the first of `moved_rows` clicked, its detail area's
// movement line and its odds cell's hint; "history-record.png": the open
// "My record…" dialog.
void SaveHistoryPictures(app::MainWindow& window, const std::vector<int>& moved_rows,
                         const QDir& out);

}  // namespace kavero::tools
