#pragma once
// "My record…": what each mark has been worth at the user's bookmaker, from
// the settled matches of the history, over the period the user picks.
#include <QString>
#include <QStringList>
#include <functional>

#include "backtest/marks_record.h"
#include "base/language.h"
#include "history/history_store.h"

class QWidget;

namespace kavero::app {

inline constexpr int kRecordDefaultDays = 30;

// The dialog's row of one mark: its name, then the figures, numbers with
// `decimal_separator`.
QStringList MarkRecordCells(const MarkRecordSummary& summary, Language language,
                            char decimal_separator);
QStringList MarkRecordHeader(Language language);

// Shows the dialog (one at a time), the period ending on `today`; `choose_csv_path` asks where its
// "Export CSV…" writes, "" when cancelled, and `show_error` says why it could not.
QWidget* ShowMyRecord(QWidget* owner, history::HistoryStore& store, const Date& today,
                      Language language, char decimal_separator,
                      const std::function<QString(const QString& suggested)>& choose_csv_path,
                      const std::function<void(const QString&)>& show_error);

}  // namespace kavero::app
