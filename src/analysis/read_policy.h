#pragma once
// How a pass over a table's rows differs from another: the run's statistics
// pass, its publishing pass, a click and "Go Total All" all read rows the same
// way and differ only in what these say.
#include <cstddef>
#include <optional>
#include <vector>

#include "analysis/analysis_observer.h"
#include "base/page_report.h"

namespace kavero {

struct StepValues {
  double step1 = 0;
  double step2 = 0;
};

struct ReadPolicy {
  enum class Rounding { kNone, kLabel, kTwoDecimals };
  // When the window gets its turn within a row.
  enum class Messages { kNever, kBeforeReading, kBeforeColours, kAfterRow };

  Rounding rounding = Rounding::kNone;
  // A fresh row (filled for the first time) that fails shows as not read.
  bool fresh = false;
  // Per row, what an earlier pass computed: a row that fails keeps it (or 0
  // without one), and a row without one is fresh.
  const std::vector<std::optional<StepValues>>* earlier = nullptr;
  bool colours = false;
  Messages messages = Messages::kNever;
  bool stoppable = false;
  bool gauge = true;       // the gauge counts the rows
  bool read_ahead = true;  // the configured read-ahead applies
  bool translate = false;  // the history's names translated, in English
  // What the detail area shows of the indicators (kComputed: kNotRead when none were).
  MatchDetails::Steps steps = MatchDetails::Steps::kUnchanged;
  bool movement = false;    // the row's line movement shown
  bool keep_marks = false;  // the rows read are kept in the history
};

// What a pass left to report.
struct ReadSummary {
  std::size_t not_read = 0;
  PageReport problems;
};

}  // namespace kavero
