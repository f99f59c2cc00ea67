#include "app/my_record_dialog.h"

#include <QComboBox>
#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <optional>

#include "app/fresh_dialog.h"
#include "results/csv_text.h"
#include "results/replace_file.h"

namespace kavero::app {
namespace {

QString Pick(Language language, const char* english, const char* in_russian) {
  return QString::fromUtf8(language == Language::kRussian ? in_russian : english);
}

// With `sign`, "+" or a minus sign (as the window's other figures), after rounding.
QString Number(double value, int decimals, char decimal_separator, bool sign = false) {
  QString text = QString::number(sign ? std::abs(value) : value, 'f', decimals);
  text.replace(QLatin1Char('.'), QLatin1Char(decimal_separator));
  if (!sign) return text;
  const bool negative = std::round(value * std::pow(10, decimals)) < 0;
  return (negative ? QStringLiteral("−") : QStringLiteral("+")) + text;
}

QString Percent(double share, char decimal_separator) {
  return Number(share * 100, 1, decimal_separator) + QStringLiteral("\u00A0%");
}

QString Range(const Interval& interval, char decimal_separator, bool sign) {
  return Number(interval.low * 100, 1, decimal_separator, sign) + QStringLiteral(" … ") +
         Number(interval.high * 100, 1, decimal_separator, sign);
}

QString Return(const MarkRecord& record, char decimal_separator) {
  if (record.bets == 0) return QStringLiteral("–");
  return Number(record.return_mean * 100, 1, decimal_separator, true) +
         QStringLiteral("\u00A0% (") + Range(record.return_interval, decimal_separator, true) +
         QLatin1Char(')');
}

QString MarkName(MarkRow row, Language language) {
  switch (row) {
    case MarkRow::kStep1Green:
      return Pick(language, "Step1 green", "Шаг1 зелёный");
    case MarkRow::kStep1Red:
      return Pick(language, "Step1 red", "Шаг1 красный");
    case MarkRow::kStep2Green:
      return Pick(language, "Step2 green", "Шаг2 зелёный");
    case MarkRow::kStep2Red:
      return Pick(language, "Step2 red", "Шаг2 красный");
    case MarkRow::kValue:
      return Pick(language, "Value mark", "Отметка перевеса");
  }
  return {};
}

std::vector<std::vector<std::string>> TableRecords(const QTableWidget& table) {
  std::vector<std::vector<std::string>> records(1);
  for (int c = 0; c < table.columnCount(); ++c) {
    records.back().push_back(table.horizontalHeaderItem(c)->text().toStdString());
  }
  for (int r = 0; r < table.rowCount(); ++r) {
    records.emplace_back();
    for (int c = 0; c < table.columnCount(); ++c) {
      records.back().push_back(table.item(r, c)->text().toStdString());
    }
  }
  return records;
}

QString SuggestedPath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QDir(folder).filePath(
      QStringLiteral("kavero-record-%1.csv").arg(QDate::currentDate().toString(Qt::ISODate)));
}

}  // namespace

QStringList MarkRecordHeader(Language language) {
  return {Pick(language, "Mark", "Отметка"),
          Pick(language, "Matches", "Матчей"),
          Pick(language, "Over the total", "Больше тотала"),
          Pick(language, "95 % interval", "Интервал 95 %"),
          Pick(language, "Prices implied", "По ценам"),
          Pick(language, "Return at first price", "Доход по первой цене"),
          Pick(language, "Return at last price", "Доход по последней цене"),
          Pick(language, "Price moved towards the mark", "Цена шла к отметке")};
}

QStringList MarkRecordCells(const MarkRecordSummary& summary, Language language,
                            char decimal_separator) {
  const bool any = summary.matches > 0;
  const QString none = QStringLiteral("–");
  return {MarkName(summary.row, language),
          QString::number(summary.matches),
          any ? Percent(summary.over_share, decimal_separator) : none,
          any ? Range(summary.over_interval, decimal_separator, false) + QStringLiteral("\u00A0%")
              : none,
          summary.implied_over ? Percent(*summary.implied_over, decimal_separator) : none,
          Return(summary.at_first, decimal_separator),
          Return(summary.at_last, decimal_separator),
          any ? Percent(summary.moved_towards_share, decimal_separator) : none};
}

QWidget* ShowMyRecord(QWidget* owner, history::HistoryStore& store, const Date& today,
                      Language language, char decimal_separator,
                      const std::function<QString(const QString& suggested)>& choose_csv_path,
                      const std::function<void(const QString&)>& show_error) {
  QDialog* dialog =
      FreshDialog(owner, QStringLiteral("MyRecord"), Pick(language, "My record", "Мои результаты"));
  dialog->resize(900, 300);
  auto* layout = new QVBoxLayout(dialog);

  auto* period_row = new QHBoxLayout;
  period_row->addWidget(new QLabel(Pick(language, "Settled matches of:", "Сыгранные матчи за:")));
  auto* period = new QComboBox(dialog);
  period->setObjectName(QStringLiteral("MyRecordPeriod"));
  period->addItem(Pick(language, "the last 30 days", "последние 30 дней"));
  period->addItem(Pick(language, "all time", "всё время"));
  period_row->addWidget(period);
  period_row->addStretch();
  layout->addLayout(period_row);

  auto* table = new QTableWidget(static_cast<int>(kMarkRows.size()), 8, dialog);
  table->setObjectName(QStringLiteral("MyRecordTable"));
  table->setHorizontalHeaderLabels(MarkRecordHeader(language));
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->verticalHeader()->hide();
  layout->addWidget(table);
  auto* note = new QLabel(Pick(language,
                               "Returns per unit staked on the marked side, with their 95 % "
                               "interval; matches with one recorded score only.",
                               "Доход на единицу ставки на отмеченную сторону, с интервалом 95 %; "
                               "только матчи с одним записанным счётом."),
                          dialog);
  note->setWordWrap(true);
  layout->addWidget(note);

  const auto fill = [&store, today, table, period, language, decimal_separator] {
    const std::optional<int> days =
        period->currentIndex() == 0 ? std::optional<int>(kRecordDefaultDays) : std::nullopt;
    const auto bets = store.MarkedBets(days, today);
    const auto summaries = SummariseMarks(bets);
    for (int r = 0; r < static_cast<int>(summaries.size()); ++r) {
      const QStringList cells = MarkRecordCells(summaries[r], language, decimal_separator);
      for (int c = 0; c < cells.size(); ++c) table->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    table->resizeColumnsToContents();
  };
  fill();
  QObject::connect(period, &QComboBox::currentIndexChanged, dialog, fill);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
  auto* export_button = buttons->addButton(Pick(language, "Export CSV…", "Экспорт CSV…"),
                                           QDialogButtonBox::ActionRole);
  export_button->setObjectName(QStringLiteral("MyRecordExport"));
  QObject::connect(export_button, &QPushButton::clicked, dialog,
                   [table, decimal_separator, choose_csv_path, show_error] {
                     const QString path = choose_csv_path(SuggestedPath());
                     if (path.isEmpty()) return;
                     try {
                       ReplaceFile(
                           QFile::encodeName(path).toStdString(),
                           CsvText(TableRecords(*table), CsvStyleFor(decimal_separator).separator));
                     } catch (const std::exception& error) {
                       show_error(QString::fromUtf8(error.what()));
                     }
                   });
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
  layout->addWidget(buttons);
  dialog->show();
  return dialog;
}

}  // namespace kavero::app
