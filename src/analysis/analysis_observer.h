#pragma once
// What the analysis tells whoever shows it: a table's rows before and after
// they change, the match whose details were just read, the status line's
// value and whether the pass under way can be stopped. Everything arrives on
// the analysis's own thread, in the order the changes happen.
#include <cstddef>
#include <vector>

#include "analysis/analysis_status.h"
#include "base/match_table.h"
#include "stats/match_stats.h"

namespace kavero {

// The two match tables: every match of the line (NextGrid1) and one date's (NextGrid2).
enum class Grid { kAll, kDay };

struct RowsChange {
  enum class Kind {
    kReset,    // every row replaced
    kInsert,   // `count` rows come at `first`
    kRemove,   // the `count` rows from `first` go
    kValues,   // the `count` rows from `first` hold other values
    kReorder,  // the rows change places: row k afterwards is row order[k] before
  };
  Kind kind = Kind::kReset;
  std::size_t first = 0;
  std::size_t count = 0;
  const std::vector<std::size_t>* order = nullptr;  // kReorder only
};

// A match whose pages were just read, as the detail area shows it.
struct MatchDetails {
  enum class Steps {
    kUnchanged,  // the indicators' labels stay as they are
    kStored,     // the row's stored indicators
    kComputed,   // what was just computed, before any rounding
    kNotRead,    // nothing was computed
  };
  const MatchRow& row;
  const MatchStats& stats;
  Steps steps = Steps::kUnchanged;
  double step1 = 0;  // kComputed only
  double step2 = 0;
  bool movement = false;  // the line's movement is shown with it
};

class AnalysisObserver {
 public:
  virtual ~AnalysisObserver() = default;
  virtual void RowsAboutToChange(Grid grid, const RowsChange& change) = 0;
  virtual void RowsChanged(Grid grid, const RowsChange& change) = 0;
  virtual void DetailsChanged(const MatchDetails& details) = 0;
  virtual void StatusChanged(const Status& status) = 0;
  // True while a pass that Stop ends is under way.
  virtual void StoppableChanged(bool stoppable) = 0;
};

}  // namespace kavero
