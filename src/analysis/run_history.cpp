#include "analysis/run_history.h"

#include <filesystem>
#include <system_error>

#include "stats/team_page.h"

namespace kavero {
namespace {

std::string RowKey(const MatchRow& row) {
  return row.date + '\n' + row.time + '\n' + row.home + '\n' + row.away + '\n' + row.url;
}

}  // namespace

void RunHistory::Open(const std::string& folder, std::function<history::RunClock()> clock) {
  folder_ = folder;
  clock_ = std::move(clock);
  if (folder.empty()) return;
  std::error_code ignored;  // a folder that cannot be made fails the opening
  std::filesystem::create_directories(folder, ignored);
  opened_ = store_.Open(folder);
  if (!opened_.status.ok()) failure_ = opened_.status;
}

Date RunHistory::Today() const {
  return clock_().local_date;
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
  run.clock = clock_();
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
  const std::int64_t now = clock_().unix_seconds;
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

bool RunHistory::TakeRestart() {
  if (opened_.restart == history::Restart::kNone || restart_told_) return false;
  restart_told_ = true;
  return true;
}

void RunHistory::Failed(const history::Status& status) {
  if (!failure_) failure_ = status;
}

}  // namespace kavero
