#pragma once
// What the status line says, as plain values: the window words it in the
// interface language.
#include <cstddef>
#include <optional>
#include <string>

#include "base/page_report.h"
#include "results/save_results.h"

namespace kavero {

// The day's table saved by the run: what became of its publication.
struct RunPublishing {
  SaveOutcome outcome;
  std::string today;
  std::size_t matches = 0;
};

struct Status {
  enum class Kind {
    kRun,            // the last run's summary
    kLineNotRead,    // the run found no match and `problem` (a line page) is to blame
    kMatchNotRead,   // a clicked row whose statistics page failed with `problem`
    kMatchProblems,  // a clicked row read, with `pages` pages that failed
    kGoTotalAll,     // "Go Total All" with failures
    kSaved,          // a save
  };
  // Whether the report goes to the log: appended, or starting it afresh.
  enum class Log { kNothing, kAppend, kNewRun };

  Kind kind = Kind::kRun;
  std::size_t matches = 0;  // rows of the run or of the table
  bool statistics_read = false;
  std::size_t not_read = 0;
  std::size_t pages = 0;                      // pages with problems (kRun: besides rows not read)
  std::size_t publish_not_read = 0;           // kRun, kLineNotRead
  std::optional<RunPublishing> publishing{};  // kRun, kLineNotRead; kSaved
  bool demo_down = false;                     // kLineNotRead: refused at the demo site's address
  std::string home{}, away{};                 // kMatchNotRead, kMatchProblems
  std::optional<PageProblem> problem{};       // kLineNotRead, kMatchNotRead
  std::string saved_to{};                     // kSaved
  // What the status line's report lists (kRun and kLineNotRead: the run's).
  PageReport report{};
  Log log = Log::kNothing;
};

}  // namespace kavero
