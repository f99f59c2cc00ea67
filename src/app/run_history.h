#pragma once
// The window's side of the history: opens "history.sqlite", saves each run,
// settles stored matches from the pages the window reads anyway, and keeps
// the line's movement of the last run's rows for the hints, the detail area
// and the CSV export. A history that cannot be kept never stops a run.
#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/language.h"
#include "base/match_table.h"
#include "base/page_report.h"
#include "history/history_store.h"

namespace kavero::app {

class RunHistory {
 public:
  // "" keeps no history; `clock` gives the runs' time (the system's when empty).
  void Open(const std::string& folder, std::function<QDateTime()> clock);
  // The user's calendar day by that clock.
  Date Today() const;
  history::HistoryStore& Store() { return store_; }

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
  // The odds cell's movement hint; "" when that side did not move.
  QString CellHint(const MatchRow& row, history::OddsSide side, Language language,
                   char decimal_separator) const;
  // Both odds' movement on one line, for the detail area; "" when neither moved.
  QString DetailLine(const MatchRow& row, Language language, char decimal_separator) const;

  // What the status line adds after a run: a file moved aside (told once)
  // and a history not saved.
  QString TakeStatusNote(Language language);
  // `report` with a line saying that history was not saved, when it was not.
  PageReport WithProblem(PageReport report, Language language) const;

 private:
  void Failed(const history::Status& status);

  QDateTime Now() const;

  history::HistoryStore store_;
  std::string folder_;
  std::function<QDateTime()> clock_;
  history::OpenStatus opened_;
  bool restart_told_ = false;
  std::optional<history::Status> failure_;      // of the last run, or of opening
  std::vector<history::LineNames> line_names_;  // of the run under way, row by row
  std::unordered_map<std::string, history::LineNames> names_of_;  // of the last run's rows
  std::unordered_map<std::string, history::LineMovement> movement_;
};

}  // namespace kavero::app
