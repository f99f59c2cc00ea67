// The one loop that reads rows' statistics: the run's passes, a click and
// "Go Total All" differ only in their policy.
#include <string>

#include "analysis/analysis.h"
#include "stats/goals_model.h"
#include "stats/indicator_rules.h"
#include "stats/step_indicators.h"
#include "stats/steps_outcome.h"

namespace kavero {
namespace {

double Rounded(double value, ReadPolicy::Rounding rounding) {
  switch (rounding) {
    case ReadPolicy::Rounding::kLabel:
      return RoundToLabel(value);
    case ReadPolicy::Rounding::kTwoDecimals:
      return RoundTwoDecimals(value);
    case ReadPolicy::Rounding::kNone:
      break;
  }
  return value;
}

// While it lives, the pass can be stopped; a stop asked for before it began does not count.
class StoppablePass {
 public:
  StoppablePass(bool& stop_requested, AnalysisObserver* observer)
      : stop_requested_(stop_requested), observer_(observer) {
    stop_requested_ = false;
    if (observer_) observer_->StoppableChanged(true);
  }
  ~StoppablePass() {
    if (observer_) observer_->StoppableChanged(false);
    stop_requested_ = false;
  }
  StoppablePass(const StoppablePass&) = delete;
  StoppablePass& operator=(const StoppablePass&) = delete;

 private:
  bool& stop_requested_;
  AnalysisObserver* observer_;
};

}  // namespace

ReadSummary Analysis::ReadRows(Grid grid, std::size_t first, std::size_t end,
                               const ReadPolicy& policy) {
  MatchTable& table = Table(grid);
  StatsPass pass(table, Sources(), policy.read_ahead && config_.read_ahead,
                 hooks_.process_messages);
  std::optional<StoppablePass> stoppable;
  if (policy.stoppable) stoppable.emplace(stop_requested_, observer_);
  ReadSummary summary;
  for (std::size_t r = first; r < end; ++r) {
    if (policy.gauge) hooks_.gauge->SetValue(static_cast<int>(r));
    if (policy.stoppable && stop_requested_) {
      // The rows not come to are left not read (fresh rows) or as they stand.
      TakeStopped(table, r, config_.bookmaker_site, policy.fresh);
      ValuesChanged(grid, r, table.size() - r);
      break;
    }
    if (policy.messages == ReadPolicy::Messages::kBeforeReading) ProcessMessages();
    if (!ReadOne(grid, r, pass, policy)) ++summary.not_read;
    const PageReport& problems = match_stats_.problems;
    summary.problems.insert(summary.problems.end(), problems.begin(), problems.end());
    if (policy.messages == ReadPolicy::Messages::kAfterRow) ProcessMessages();
  }
  if (policy.keep_marks) {
    if (end - first == table.size()) {
      KeepMarks(table);
    } else {
      KeepMarks(MatchTable(table.begin() + static_cast<std::ptrdiff_t>(first),
                           table.begin() + static_cast<std::ptrdiff_t>(end)));
    }
  }
  return summary;
}

bool Analysis::ReadOne(Grid grid, std::size_t r, StatsPass& pass, const ReadPolicy& policy) {
  MatchRow& row = Table(grid)[r];
  pass.Load(r, match_stats_);
  history_.Settle(row, match_stats_, team_page_list_);
  NameMatch(match_stats_.problems, row.home, row.away);
  // The indicators come from the bookmaker's names, as the row held them before its pages were
  // read.
  const StepValues steps{ComputeStep1(match_stats_.home_recent, match_stats_.away_recent),
                         ComputeStep2(match_stats_.home_recent, match_stats_.away_recent,
                                      BookmakerHome(row), BookmakerAway(row))};
  // The league rows come from the team pages just read: no request of its
  // own. A match whose team pages could not be read keeps the model it had.
  if (!match_stats_.team_failures[0] && !match_stats_.team_failures[1]) {
    row.goals_model = ComputeGoalsModel(match_stats_.league_rows[0], match_stats_.league_rows[1],
                                        row.total, row.under, row.over);
  }
  const std::optional<StepValues> earlier =
      policy.earlier ? (*policy.earlier)[r] : std::optional<StepValues>();
  const bool fresh = policy.earlier ? !earlier : policy.fresh;
  const bool read = TakeSteps(row, match_stats_, fresh);
  if (read || policy.earlier) {
    const std::optional<StepValues> stored = read ? steps : earlier;
    row.step1 = stored ? Rounded(stored->step1, policy.rounding) : 0;
    row.step2 = stored ? Rounded(stored->step2, policy.rounding) : 0;
  }
  const bool colours_now =
      policy.colours && read && policy.messages != ReadPolicy::Messages::kBeforeColours;
  if (colours_now) ApplyStepColours(row, steps.step1, steps.step2);
  if (policy.translate && language_ == Language::kEnglish) {
    TranslateHistory(match_stats_, [this](std::string_view name) { return TranslateTeam(name); });
  }
  ValuesChanged(grid, r, 1);
  if (observer_) {
    MatchDetails::Steps shown = policy.steps;
    if (shown == MatchDetails::Steps::kComputed && !read) shown = MatchDetails::Steps::kNotRead;
    observer_->DetailsChanged(
        {row, match_stats_, shown, steps.step1, steps.step2, policy.movement});
  }
  if (policy.messages == ReadPolicy::Messages::kBeforeColours) {
    ProcessMessages();
    if (policy.colours && read) {
      ApplyStepColours(row, steps.step1, steps.step2);
      ValuesChanged(grid, r, 1);
    }
  }
  return read;
}

void Analysis::ReadRow(Grid grid, int row) {
  const MatchTable& table = Table(grid);
  if (row < 0 || row >= static_cast<int>(table.size())) return;
  // A click always reads the three pages afresh through the client itself.
  const auto first = static_cast<std::size_t>(row);
  const std::string home = table[first].home;
  const std::string away = table[first].away;
  ReadRows(grid, first, first + 1,
           {.rounding = ReadPolicy::Rounding::kLabel,
            .colours = true,
            .gauge = false,
            .read_ahead = false,
            .translate = true,
            .steps = MatchDetails::Steps::kComputed,
            .movement = true,
            .keep_marks = true});
  Status status = RunStatus();
  if (match_stats_.statistics_failure) {
    status = {.kind = Status::Kind::kMatchNotRead,
              .home = home,
              .away = away,
              .problem = *match_stats_.statistics_failure,
              .report = match_stats_.problems,
              .log = Status::Log::kAppend};
  } else if (!match_stats_.problems.empty()) {
    status = {.kind = Status::Kind::kMatchProblems,
              .pages = match_stats_.problems.size(),
              .home = home,
              .away = away,
              .report = match_stats_.problems,
              .log = Status::Log::kAppend};
  }
  ShowStatus(status);
}

void Analysis::RecomputeAll(Grid grid, ReadPolicy::Messages messages) {
  const MatchTable& table = Table(grid);
  hooks_.gauge->SetMaximum(static_cast<int>(table.size()));
  // A row whose page fails keeps its values and colours.
  const ReadSummary summary = ReadRows(grid, 0, table.size(),
                                       {.rounding = ReadPolicy::Rounding::kTwoDecimals,
                                        .colours = true,
                                        .messages = messages,
                                        .stoppable = true,
                                        .steps = MatchDetails::Steps::kStored,
                                        .keep_marks = true});
  Status status = RunStatus();
  if (!summary.problems.empty()) {
    status = {.kind = Status::Kind::kGoTotalAll,
              .matches = table.size(),
              .not_read = summary.not_read,
              .pages = summary.problems.size(),
              .report = summary.problems,
              .log = Status::Log::kAppend};
  }
  ShowStatus(status);
}

}  // namespace kavero
