#include "app/run_history.h"

#include <QDateTime>
#include <QDir>

#include "stats/team_page.h"

namespace kavero::app {
namespace {

std::string RowKey(const MatchRow& row) {
  return row.date + '\n' + row.time + '\n' + row.home + '\n' + row.away + '\n' + row.url;
}

history::RunClock ClockOf(const QDateTime& now) {
  const QDate day = now.date();
  return {now.toSecsSinceEpoch(),
          {day.year(), day.month(), day.day()},
          now.time().hour() * 60 + now.time().minute()};
}

QString Pick(Language language, const QString& english, const QString& in_russian) {
  return language == Language::kRussian ? in_russian : english;
}

}  // namespace

void RunHistory::Open(const std::string& folder, std::function<QDateTime()> clock) {
  folder_ = folder;
  clock_ = std::move(clock);
  if (folder.empty()) return;
  QDir().mkpath(QString::fromStdString(folder));
  opened_ = store_.Open(folder);
  if (!opened_.status.ok()) failure_ = opened_.status;
}

QDateTime RunHistory::Now() const {
  return clock_ ? clock_() : QDateTime::currentDateTime();
}

Date RunHistory::Today() const {
  return ClockOf(Now()).local_date;
}

void RunHistory::StartRun(const MatchTable& rows) {
  if (store_.IsOpen()) failure_.reset();
  line_names_.clear();
  names_of_.clear();
  movement_.clear();
  for (const MatchRow& row : rows) line_names_.push_back({row.home, row.away});
}

void RunHistory::SaveRun(const MatchTable& rows, const std::string& line_address,
                         const std::string& date_pattern) {
  if (folder_.empty()) return;
  history::RunRecord run;
  run.clock = ClockOf(Now());
  run.line_address = line_address;
  run.date_pattern = date_pattern;
  run.rows = &rows;
  if (line_names_.size() == rows.size()) {
    for (std::size_t i = 0; i < rows.size(); ++i) names_of_[RowKey(rows[i])] = line_names_[i];
    line_names_.clear();
  }
  for (const MatchRow& row : rows) {
    const auto names = names_of_.find(RowKey(row));
    if (names == names_of_.end()) break;
    run.line_names.push_back(names->second);
  }
  if (run.line_names.size() != rows.size()) run.line_names.clear();
  const history::Status saved = store_.SaveRun(run);
  if (!saved.ok()) {
    Failed(saved);
    return;
  }
  for (const MatchRow& row : rows) {
    if (auto movement = store_.Movement(row, date_pattern, run.clock.local_date)) {
      movement_.insert_or_assign(RowKey(row), std::move(*movement));
    }
  }
}

void RunHistory::Settle(const MatchRow& row, const MatchStats& stats,
                        const std::vector<std::string>& team_page_list) {
  if (!store_.IsOpen()) return;
  const std::int64_t now = Now().toSecsSinceEpoch();
  if (!stats.statistics_failure) {
    const auto settled = store_.SettleFromStatistics(row, stats, row.url, now);
    if (!settled.status.ok()) Failed(settled.status);
  }
  const std::string* teams[] = {&row.home, &row.away};
  for (std::size_t side = 0; side < 2; ++side) {
    if (stats.team_failures[side] || stats.team_records[side].empty()) continue;
    const auto settled = store_.SettleFromTeamPage(
        *teams[side], stats.team_records[side], TeamPageAddress(team_page_list, *teams[side]), now);
    if (!settled.status.ok()) Failed(settled.status);
  }
}

const history::LineMovement* RunHistory::MovementOf(const MatchRow& row) const {
  const auto found = movement_.find(RowKey(row));
  return found == movement_.end() ? nullptr : &found->second;
}

QString RunHistory::CellHint(const MatchRow& row, history::OddsSide side, Language language,
                             char decimal_separator) const {
  const history::LineMovement* movement = MovementOf(row);
  if (movement == nullptr) return {};
  return QString::fromStdString(
      history::MovementHint(*movement, side, language, decimal_separator));
}

QString RunHistory::DetailLine(const MatchRow& row, Language language,
                               char decimal_separator) const {
  QStringList parts;
  const QString under = CellHint(row, history::OddsSide::kUnder, language, decimal_separator);
  const QString over = CellHint(row, history::OddsSide::kOver, language, decimal_separator);
  if (!under.isEmpty())
    parts << Pick(language, QStringLiteral("Under "), QStringLiteral("Мен. ")) + under;
  if (!over.isEmpty())
    parts << Pick(language, QStringLiteral("Over "), QStringLiteral("Бол. ")) + over;
  return parts.join(QStringLiteral(" · "));
}

QString RunHistory::TakeStatusNote(Language language) {
  QString note;
  if (opened_.restart != history::Restart::kNone && !restart_told_) {
    restart_told_ = true;
    note += Pick(
        language,
        QStringLiteral(" · the\u00A0old\u00A0history\u00A0file\u00A0was\u00A0moved\u00A0aside, "
                       "a\u00A0new\u00A0one\u00A0started"),
        QStringLiteral(" · старый\u00A0файл\u00A0истории\u00A0отложен, "
                       "начат\u00A0новый"));
  }
  if (failure_) {
    note += Pick(language, QStringLiteral(" · history\u00A0was\u00A0not\u00A0saved"),
                 QStringLiteral(" · история\u00A0не\u00A0сохранена"));
  }
  return note;
}

PageReport RunHistory::WithProblem(PageReport report, Language language) const {
  if (!failure_) return report;
  PageProblem problem;
  problem.address =
      (QDir(QString::fromStdString(folder_)).filePath(QStringLiteral("history.sqlite")))
          .toStdString();
  problem.fault = PageFault::kFailed;
  problem.detail = Pick(language, QStringLiteral("history was not saved (%1)"),
                        QStringLiteral("история не сохранена (%1)"))
                       .arg(QString::fromStdString(failure_->detail))
                       .toStdString();
  report.push_back(std::move(problem));
  return report;
}

void RunHistory::Failed(const history::Status& status) {
  if (!failure_) failure_ = status;
}

}  // namespace kavero::app
