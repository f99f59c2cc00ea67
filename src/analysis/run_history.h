#pragma once
// The analysis's side of the history: opens "history.sqlite", saves each run,
// settles stored matches from the pages read anyway, and keeps the line's
// movement of the last run's rows. A history that cannot be kept never stops
// a run; what went wrong is kept for the status line to tell.
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/match_table.h"
#include "history/history_store.h"
#include "history/line_movement.h"
#include "history/run_record.h"

namespace kavero {

class RunHistory {
 public:
  // "" keeps no history; `clock` gives the runs' time.
  void Open(const std::string& folder, std::function<history::RunClock()> clock);
  // The user's calendar day by that clock.
  Date Today() const;
  history::HistoryStore& Store() { return store_; }
  const std::string& Folder() const { return folder_; }

  // At a run's start, once the line is read: keeps the names as the line
  // wrote them, before an English run translates them, and forgets the last
  // run's movement and failure.
  void StartRun(const MatchTable& rows);
  // Saves the run (or the rows a click or "Go Total All" marked afresh) and
  // reads back the movement of its rows.
  void SaveRun(const MatchTable& rows, const std::string& line_address,
               const std::string& date_pattern);
  // Scores of stored matches that the pages just read for `row` list.
  void Settle(const MatchRow& row, const MatchStats& stats,
              const std::vector<std::string>& team_page_list);

  // The row's line as first seen today and now; nothing when not known.
  const history::LineMovement* MovementOf(const MatchRow& row) const;
  // Why the last run's history (or its opening) was not saved.
  const std::optional<history::Status>& Failure() const { return failure_; }
  // True once, after a history file was moved aside for a new one.
  bool TakeRestart();

 private:
  void Failed(const history::Status& status);

  history::HistoryStore store_;
  std::string folder_;
  std::function<history::RunClock()> clock_;
  history::OpenStatus opened_;
  bool restart_told_ = false;
  std::optional<history::Status> failure_;      // of the last run, or of opening
  std::vector<history::LineNames> line_names_;  // of the run under way, row by row
  std::unordered_map<std::string, history::LineNames> names_of_;  // of the last run's rows
  std::unordered_map<std::string, history::LineMovement> movement_;
};

}  // namespace kavero
