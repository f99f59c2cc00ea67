#include "app/run_report_view.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/fresh_dialog.h"
#include "app/report_texts.h"
#include "app/widget_text.h"

namespace kavero::app {

QWidget* ShowRunReport(QWidget* owner, const PageReport& report, Language language,
                       const QString& log_path) {
  QDialog* dialog = FreshDialog(owner, QStringLiteral("RunReport"), ReportTitle(language));
  dialog->resize(760, 320);
  auto* layout = new QVBoxLayout(dialog);
  if (report.empty()) {
    layout->addWidget(new QLabel(ReportEmptyText(language), dialog));
  } else {
    auto* table = new QTableWidget(static_cast<int>(report.size()), 3, dialog);
    table->setObjectName(QStringLiteral("RunReportTable"));
    table->setHorizontalHeaderLabels(
        {ReportHeader(0, language), ReportHeader(1, language), ReportHeader(2, language)});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    for (int i = 0; i < static_cast<int>(report.size()); ++i) {
      table->setItem(i, 0, new QTableWidgetItem(Shown(report[i].address)));
      table->setItem(i, 1, new QTableWidgetItem(ReasonText(report[i], language)));
      table->setItem(i, 2, new QTableWidgetItem(Shown(report[i].match)));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table);
  }
  if (!log_path.isEmpty()) {
    auto* log = new QLabel(ReportLogText(log_path, language), dialog);
    log->setObjectName(QStringLiteral("RunReportLog"));
    log->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(log);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
  layout->addWidget(buttons);
  dialog->show();
  return dialog;
}

}  // namespace kavero::app
