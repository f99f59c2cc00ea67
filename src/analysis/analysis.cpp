#include "analysis/analysis.h"

#include <utility>

#include "base/text_cuts.h"
#include "line/name_translation.h"
#include "results/date_filter.h"
#include "stats/steps_outcome.h"
#include "web/fetch_problem.h"

namespace kavero {

Analysis::Analysis(SessionClient& client, UrlProbe url_responds, AnalysisConfig config,
                   RunHooks hooks)
    : client_(client),
      url_responds_(std::move(url_responds)),
      config_(std::move(config)),
      hooks_(std::move(hooks)) {
  history_.Open(config_.history_folder, config_.clock);
}

void Analysis::FetchDictionaries() {
  dictionary_problems_.clear();
  const auto fetch = [this](const std::string& address, std::string& dictionary) {
    const FetchResult answer = client_.Get(address);
    if (answer.ok) dictionary = answer.body;
    Note(&dictionary_problems_, FetchProblem(address, answer));
  };
  fetch(config_.publishing_server + "brr/basa.txt", team_dictionary_);
  fetch(config_.publishing_server + "brr/chemp.txt", championship_dictionary_);
}

std::string Analysis::TranslateTeam(std::string_view name) const {
  return kavero::TranslateTeam(team_dictionary_, name);
}

std::string Analysis::TranslateChampionship(std::string_view name) const {
  return kavero::TranslateChampionship(championship_dictionary_, name);
}

std::string Analysis::TeamListAddress() const {
  return config_.publishing_server + "brr/beturl.txt";
}

void Analysis::ForgetTeamList() {
  team_page_list_.clear();
  team_page_list_.shrink_to_fit();
}

void Analysis::TakeTeamList(const FetchResult& answer) {
  team_list_problem_ = FetchProblem(TeamListAddress(), answer);
  if (!answer.ok) return;
  for (std::string_view line : SplitLines(answer.body)) team_page_list_.emplace_back(line);
}

StatsSources Analysis::Sources() {
  return {client_, config_.bookmaker_site, team_page_list_,
          team_list_problem_ ? &*team_list_problem_ : nullptr};
}

void Analysis::TakeRows(Grid grid, MatchTable rows) {
  MatchTable& table = Table(grid);
  RowsChange change;
  if (table.empty() && rows.empty()) return;
  if (table.empty()) {
    change = {RowsChange::Kind::kInsert, 0, rows.size()};
  } else if (rows.empty()) {
    change = {RowsChange::Kind::kRemove, 0, table.size()};
  }
  if (observer_) observer_->RowsAboutToChange(grid, change);
  table = std::move(rows);
  if (observer_) observer_->RowsChanged(grid, change);
}

void Analysis::Reorder(Grid grid, const std::vector<std::size_t>& order) {
  const RowsChange change{RowsChange::Kind::kReorder, 0, order.size(), &order};
  if (observer_) observer_->RowsAboutToChange(grid, change);
  MatchTable& table = Table(grid);
  MatchTable reordered;
  reordered.reserve(table.size());
  for (std::size_t old_row : order) reordered.push_back(std::move(table[old_row]));
  table = std::move(reordered);
  if (observer_) observer_->RowsChanged(grid, change);
}

void Analysis::ValuesChanged(Grid grid, std::size_t first, std::size_t count) {
  if (count == 0 || observer_ == nullptr) return;
  const RowsChange change{RowsChange::Kind::kValues, first, count};
  observer_->RowsAboutToChange(grid, change);
  observer_->RowsChanged(grid, change);
}

void Analysis::ShowStatus(const Status& status) {
  if (observer_) observer_->StatusChanged(status);
}

std::string Analysis::Dates() const {
  return CollectDates(all_rows_);
}

void Analysis::FilterByDate(std::string_view date) {
  TakeRows(Grid::kDay, RowsOfDate(all_rows_, date));
}

void Analysis::StartAgain() {
  TakeRows(Grid::kDay, {});
  match_stats_ = {};
}

std::string Analysis::TodayText() const {
  return FormatDate(config_.today(), config_.short_date_format);
}

Status Analysis::RunStatus() const {
  Status status;
  status.publish_not_read = run_publish_not_read_;
  status.publishing = run_publishing_;
  status.report = run_report_;
  if (all_rows_.empty() && run_line_problems_ > 0) {
    status.kind = Status::Kind::kLineNotRead;
    status.problem = run_report_.front();
    status.demo_down = config_.bookmaker_site == config_.demo_site &&
                       run_report_.front().fault == PageFault::kRefused;
    return status;
  }
  status.kind = Status::Kind::kRun;
  status.matches = all_rows_.size();
  status.statistics_read = statistics_read_;
  status.not_read = CountNotRead(all_rows_);
  status.pages = run_report_.size() - run_not_read_;
  return status;
}

}  // namespace kavero
