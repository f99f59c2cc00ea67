#pragma once
// What went wrong with a season file or one of its rows; the report names each.
#include <string>

namespace kavero {

enum class InputProblem {
  kNotReadable,    // the file could not be opened
  kEmpty,          // no header row
  kMissingColumn,  // detail: the missing columns' names
  kBadScore,       // detail: the cell
  kBadDate,        // detail: the cell
  kBadTime,        // detail: the cell; the row is kept, ordered as if without a time
  kMissingTeam,
  kBadPrice,      // detail: the cell; the row is kept without prices
  kNotUtf8Names,  // detail: how many rows; their names were read as Windows-1252
};

struct InputNote {
  std::string file;
  int line = 0;  // 1-based; 0 for the whole file (unreadable or empty)
  InputProblem problem = InputProblem::kNotReadable;
  std::string detail;
};

// Whether the note's row (or file) was left out of the backtest.
bool DropsInput(InputProblem problem);

}  // namespace kavero
