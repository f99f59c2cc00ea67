// The run: the line, the translation and statistics passes, and in Russian
// the publishing pass, then the save of the day's table.
#include <exception>
#include <optional>
#include <utility>
#include <vector>

#include "analysis/analysis.h"
#include "line/load_line.h"
#include "results/date_filter.h"
#include "stats/step_indicators.h"
#include "web/keeping_turn.h"

namespace kavero {

void Analysis::ReadLine(bool statistics) {
  run_report_.clear();
  statistics_read_ = false;
  run_not_read_ = 0;
  run_publish_not_read_ = 0;
  run_publishing_.reset();
  {
    // The line pages can take a while: the window keeps its turn meanwhile.
    const auto pumping = client_.NewPumpingClient(hooks_.process_messages);
    MatchTable rows;
    LoadLine(rows, *pumping, config_.bookmaker_site, hooks_, config_.today(),
             config_.short_date_format, &run_report_);
    TakeRows(Grid::kAll, std::move(rows));
  }
  run_line_problems_ = run_report_.size();
  Note(&run_report_, team_list_problem_);
  history_.StartRun(all_rows_);
  hooks_.gauge->SetMaximum(static_cast<int>(all_rows_.size()));
  TranslationPass();
  if (statistics) StatisticsPass();
}

void Analysis::TranslationPass() {
  const bool english = language_ == Language::kEnglish;
  // Names a dictionary could not give stay as the line wrote them: said in the report.
  if (english) {
    run_report_.insert(run_report_.end(), dictionary_problems_.begin(), dictionary_problems_.end());
  }
  for (std::size_t i = 0; i < all_rows_.size(); ++i) {
    hooks_.gauge->SetValue(static_cast<int>(i) + 1);
    if (!english) continue;
    MatchRow& row = all_rows_[i];
    row.bookmaker_home = row.home;
    row.bookmaker_away = row.away;
    std::string home = TranslateTeam(row.home);
    std::string away = TranslateTeam(row.away);
    row.away = std::move(away);
    row.home = std::move(home);
    row.championship = TranslateChampionship(row.championship);
  }
  if (english) ValuesChanged(Grid::kAll, 0, all_rows_.size());
}

void Analysis::StatisticsPass() {
  const ReadSummary summary =
      ReadRows(Grid::kAll, 0, all_rows_.size(),
               {.fresh = true, .messages = ReadPolicy::Messages::kAfterRow, .stoppable = true});
  run_not_read_ += summary.not_read;
  run_report_.insert(run_report_.end(), summary.problems.begin(), summary.problems.end());
  statistics_read_ = true;
}

std::optional<std::string> Analysis::PublishAndSave() {
  hooks_.gauge->SetValue(0);
  if (language_ == Language::kRussian) PublishToday();
  // A file that cannot be written is reported, and the user still gets the
  // table the run computed.
  std::optional<std::string> failure;
  try {
    const SaveOutcome outcome = SaveTable(day_rows_);
    run_publishing_ = RunPublishing{outcome, TodayText(), day_rows_.size()};
    Note(&run_report_, outcome.failure);
  } catch (const RunCancelled&) {
    // The window is closing; the run ends as it stands.
  } catch (const std::exception& error) {
    failure = error.what();
  }
  KeepMarks(all_rows_);
  return failure;
}

void Analysis::PublishToday() {
  const std::string address = config_.publishing_server + "kavero/" + TodayText() + ".txt";
  const ProbeLimits limits = config_.probe_limits;
  if (KeepingTurn([probe = url_responds_, &address, limits] { return probe(address, limits); },
                  hooks_.process_messages)) {
    return;
  }
  // What this run's statistics pass computed for today's rows, in their order.
  std::vector<std::optional<StepValues>> computed;
  for (const MatchRow& row : all_rows_) {
    if (row.date != TodayText()) continue;
    const bool read = statistics_read_ && row.steps_read;
    computed.push_back(read ? std::optional<StepValues>({row.step1, row.step2}) : std::nullopt);
  }
  TakeRows(Grid::kDay, RowsOfDate(all_rows_, TodayText()));
  hooks_.gauge->SetMaximum(static_cast<int>(day_rows_.size()));
  // A row whose page fails now keeps what the statistics pass computed for
  // it, else it is published with 0.
  const ReadSummary summary = ReadRows(Grid::kDay, 0, day_rows_.size(),
                                       {.rounding = ReadPolicy::Rounding::kTwoDecimals,
                                        .earlier = &computed,
                                        .messages = ReadPolicy::Messages::kBeforeReading,
                                        .steps = MatchDetails::Steps::kStored});
  run_publish_not_read_ += summary.not_read;
  run_report_.insert(run_report_.end(), summary.problems.begin(), summary.problems.end());
}

void Analysis::KeepMarks(const MatchTable& rows) {
  history_.SaveRun(rows, config_.bookmaker_site, config_.short_date_format);
}

}  // namespace kavero
