// A week of runs against the demo site, as a user would make them: the demo
// and the window's history clock moved together, a run and "Go Total All" at
// each of --hours on each of --days days. After each run it prints what the history holds, how
// many rows' hints show a moved price, the file's size and how long that
// run's write takes; at the end, the settled matches and "My record…". Exits
// 1 when the history misses a run, a later run of a day shows no movement,
// nothing is settled, or the dialog disagrees with the store. With --pictures
// DIR it also saves the README's history pictures there.
//
//   kavero-history-week --site http://127.0.0.1:PORT/ --first-day YYYY-MM-DD
//       --history DIR [--days 7] [--hours 9,13,17,21] [--pictures DIR]
#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTableView>
#include <QTableWidget>
#include <cstdio>
#include <string>
#include <vector>

#include "analysis/run_history.h"
#include "app/app_style.h"
#include "app/history_texts.h"
#include "app/main_window.h"
#include "app/my_record_dialog.h"
#include "driver.h"
#include "history_pictures.h"
#include "web/curl/clients.h"

namespace {

using kavero::app::MainWindow;
using kavero::history::Connection;

struct Week {
  std::string site;
  QDate first_day;
  int days = 7;
  std::vector<int> hours;
  QDir history;
};

// The rows of NextGrid1 whose Under or Over hint tells of a moved price.
std::vector<int> MovedRows(const MainWindow& window) {
  const QAbstractItemModel* model =
      window.findChild<QTableView*>(QStringLiteral("NextGrid1"))->model();
  std::vector<int> moved;
  for (int row = 0; row < model->rowCount(); ++row) {
    if (kavero::tools::MovedOddsCell(*model, row).isValid()) moved.push_back(row);
  }
  return moved;
}

std::int64_t Count(Connection& db, const char* query) {
  return db.QueryInt(query).value_or(-1);
}

qint64 FileBytes(const QDir& folder) {
  return QFileInfo(folder.filePath(QStringLiteral("history.sqlite"))).size() +
         QFileInfo(folder.filePath(QStringLiteral("history.sqlite-wal"))).size();
}

// How long the window's write of `rows` takes on the history as it stood
// before the run (`before`, a copy): the same rows, names and clock, through
// the same code, movement read-back included.
double WriteMilliseconds(const QDir& before, const kavero::MatchTable& rows,
                         const std::function<QDateTime()>& clock, const std::string& site) {
  kavero::MatchTable as_the_line_wrote = rows;
  for (kavero::MatchRow& row : as_the_line_wrote) {
    if (!row.bookmaker_home.empty()) row.home = row.bookmaker_home;
    if (!row.bookmaker_away.empty()) row.away = row.bookmaker_away;
  }
  kavero::RunHistory history;
  history.Open(before.path().toStdString(), [&clock] { return kavero::app::RunClockOf(clock()); });
  history.StartRun(as_the_line_wrote);
  QElapsedTimer timer;
  timer.start();
  history.SaveRun(rows, site, "dd.MM.yyyy");
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// A consistent copy of the history in `to` (emptied first).
void CopyHistory(Connection& db, QDir to) {
  to.removeRecursively();
  QDir().mkpath(to.path());
  const QString target = to.filePath(QStringLiteral("history.sqlite"));
  db.Execute("VACUUM INTO '" + target.toStdString() + "'");
}

bool MoveDemo(kavero::HttpClient& client, const std::string& site, const QDateTime& to) {
  const auto answer =
      client.Get(site + "demo/today?date=" + to.date().toString(Qt::ISODate).toStdString() +
                 "&hour=" + std::to_string(to.time().hour()));
  if (!answer.ok) std::fprintf(stderr, "the demo did not move: %s\n", answer.error.c_str());
  return answer.ok;
}

// The dialog's cells against the core's figures for the same bets.
bool DialogAgrees(MainWindow& window, kavero::history::HistoryStore& store, const QDate& today) {
  window.findChild<QAction*>(QStringLiteral("MyRecord1"))->trigger();
  const auto* table = window.findChild<QTableWidget*>(QStringLiteral("MyRecordTable"));
  const auto bets =
      store.MarkedBets(kavero::app::kRecordDefaultDays, {today.year(), today.month(), today.day()});
  const auto summaries = kavero::SummariseMarks(bets);
  bool agrees = table != nullptr;
  for (int r = 0; agrees && r < static_cast<int>(summaries.size()); ++r) {
    const QStringList cells =
        kavero::app::MarkRecordCells(summaries[r], kavero::Language::kEnglish, '.');
    std::printf("  %s\n", qPrintable(cells.join(QStringLiteral(" | "))));
    for (int c = 0; c < cells.size(); ++c) agrees = agrees && table->item(r, c)->text() == cells[c];
  }
  return agrees;
}

}  // namespace

int main(int argc, char** argv) {
  const auto options = kavero::tools::ReadOptions(
      argc, argv,
      {{"site", ""},
       {"first-day", ""},
       {"history", ""},
       {"days", "7"},
       {"hours", "9,13,17,21"},
       {"pictures", "-"}},
      "--site URL --first-day YYYY-MM-DD --history DIR [--days N] [--hours H,H,...] "
      "[--pictures DIR]");
  if (!options) return 2;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qt_argc = 1;
  QApplication application(qt_argc, argv);
  kavero::app::ApplyCalmStyle(application);

  Week week{options->at("site"),
            QDate::fromString(QString::fromStdString(options->at("first-day")), Qt::ISODate),
            std::stoi(options->at("days")),
            {},
            QDir(QString::fromStdString(options->at("history")))};
  for (const QString& hour : QString::fromStdString(options->at("hours")).split(',')) {
    week.hours.push_back(hour.toInt());
  }
  QDir before(week.history.filePath(QStringLiteral("before-run")));

  QDateTime clock;
  kavero::app::WindowConfig config = kavero::tools::ConfigForSite(week.site);
  config.history_folder = week.history.path().toStdString();
  config.history_clock = [&clock] { return clock; };
  MainWindow window(kavero::CurlClients(), config);
  window.show_error = [](const QString& text) {
    std::fprintf(stderr, "error box: %s\n", qPrintable(text));
  };
  window.show();
  window.EClick();
  window.findChild<QCheckBox*>(QStringLiteral("ch"))->setChecked(false);

  const auto control = kavero::CurlClients().make_http_client({});
  Connection db;
  db.Open(week.history.filePath(QStringLiteral("history.sqlite")).toStdString());
  std::vector<std::string> faults;
  int starts = 0;
  double slowest_write = 0;
  std::printf(
      "run at            rows moved  runs  matches sightings  settled  file_kb  write_ms\n");
  for (int day = 0; day < week.days; ++day) {
    for (std::size_t i = 0; i < week.hours.size(); ++i) {
      clock = QDateTime(week.first_day.addDays(day), QTime(week.hours[i], 2));
      if (!MoveDemo(*control, week.site, clock)) return 1;
      CopyHistory(db, before);
      const std::int64_t runs_before = Count(db, "SELECT count(*) FROM runs");
      if (starts++ == 0) {
        window.spSkinXFormButton1Click();
      } else {
        window.StartAgainClick();
      }
      window.GoTotalAll1Click();  // colours the indicators: the marks
      const std::size_t moved = MovedRows(window).size();
      const std::int64_t runs = Count(db, "SELECT count(*) FROM runs");
      const double write_ms = WriteMilliseconds(before, window.Core().Rows(kavero::Grid::kAll),
                                                config.history_clock, config.bookmaker_site);
      slowest_write = std::max(slowest_write, write_ms);
      std::printf("%s  %4zu %5zu %5lld %8lld %9lld %8lld %8lld %9.1f\n",
                  qPrintable(clock.toString(QStringLiteral("yyyy-MM-dd hh:mm"))),
                  window.Core().Rows(kavero::Grid::kAll).size(), moved,
                  static_cast<long long>(runs),
                  static_cast<long long>(Count(db, "SELECT count(*) FROM matches")),
                  static_cast<long long>(Count(db, "SELECT count(*) FROM sightings")),
                  static_cast<long long>(Count(db, "SELECT count(DISTINCT match) FROM results")),
                  FileBytes(week.history) / 1024, write_ms);
      const QString at = clock.toString(Qt::ISODate);
      // The run's line, then the marks "Go Total All" gave.
      if (runs != runs_before + 2) {
        faults.push_back("the run at " + at.toStdString() + " was not kept");
      }
      if (i > 0 && moved == 0) {
        faults.push_back("no moved price in the hints at " + at.toStdString());
      }
      if (i == 0 && moved > 0) {
        faults.push_back("movement shown on the day's first run at " + at.toStdString());
      }
    }
  }
  before.removeRecursively();

  db.Execute("PRAGMA wal_checkpoint(TRUNCATE)");
  const qint64 bytes = FileBytes(week.history);
  const std::int64_t conflicts = Count(
      db, "SELECT count(*) FROM (SELECT match FROM results GROUP BY match HAVING count(*) > 1)");
  std::printf("%d runs: %lld bytes, %.1f KB a run; slowest write %.1f ms; %lld conflicts\n", starts,
              static_cast<long long>(bytes), static_cast<double>(bytes) / 1024.0 / starts,
              slowest_write, static_cast<long long>(conflicts));

  kavero::history::HistoryStore store;
  store.Open(week.history.path().toStdString());
  const QDate today = clock.date();
  std::printf("My record, the last %d days to %s:\n", kavero::app::kRecordDefaultDays,
              qPrintable(today.toString(Qt::ISODate)));
  if (!DialogAgrees(window, store, today))
    faults.emplace_back("My record disagrees with the store");
  if (store.MarkedBets(std::nullopt, {today.year(), today.month(), today.day()}).empty()) {
    faults.emplace_back("no settled marked match");
  }
  if (conflicts > 0) faults.emplace_back("scores in conflict");

  if (options->at("pictures") != "-") {
    kavero::tools::SaveHistoryPictures(window, MovedRows(window),
                                       QDir(QString::fromStdString(options->at("pictures"))));
  }
  for (const std::string& fault : faults) std::fprintf(stderr, "fault: %s\n", fault.c_str());
  return faults.empty() ? 0 : 1;
}
