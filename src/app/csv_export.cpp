// "Export CSV…" on the context menu of either match table.
#include <QDate>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "app/main_window.h"
#include "app/run_history.h"
#include "results/match_csv.h"
#include "results/replace_file.h"

namespace kavero::app {
namespace {

QString SuggestedCsvPath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString name =
      QStringLiteral("kavero-%1.csv").arg(QDate::currentDate().toString(Qt::ISODate));
  return QDir(folder).filePath(name);
}

}  // namespace

void MainWindow::ExportCsv1Click() {
  ExportCsv(next_grid1_rows_);
}

void MainWindow::ExportCsv2Click() {
  ExportCsv(next_grid2_rows_);
}

void MainWindow::ExportCsv(const MatchTable& table) {
  const QString path = choose_csv_path(SuggestedCsvPath());
  if (path.isEmpty()) return;
  std::vector<CsvMatchRow> rows;
  rows.reserve(table.size());
  for (const MatchRow& row : table) {
    const history::LineMovement* seen = history_->MovementOf(row);
    rows.push_back({&row, row.steps_read, seen ? seen->first.under : std::string(),
                    seen ? seen->first.over : std::string()});
  }
  // A file that cannot be written throws: the error box names it, and an
  // earlier file of that name stays as it was.
  ReplaceFile(QFile::encodeName(path).toStdString(),
              MatchTableCsv(rows, current_language_, config_.regional.decimal_separator,
                            config_.regional.short_date_format));
}

}  // namespace kavero::app
