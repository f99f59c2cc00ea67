#pragma once
// Where the analysis finds its servers and files, and how dates and numbers
// are written: plain values, filled by the window from its own settings.
#include <functional>
#include <string>

#include "base/dates.h"
#include "history/run_record.h"
#include "web/url_probe.h"

namespace kavero {

struct AnalysisConfig {
  std::string bookmaker_site;
  std::string publishing_server;
  // Where kavero-demo-site answers by default: a line refused there most
  // likely means the demo site was not started.
  std::string demo_site;
  std::string short_date_format;
  char decimal_separator = '.';
  std::string saves_path;             // the saved-results file
  std::string previous_saves_folder;  // where replaced saves are kept; "" keeps none
  ProbeLimits probe_limits;
  // Fetch the pages of coming rows while a pass reads earlier ones.
  bool read_ahead = true;
  std::string history_folder;  // where "history.sqlite" is kept; "" keeps none
  // The user's calendar day, and the time the history keeps runs by.
  std::function<Date()> today;
  std::function<history::RunClock()> clock;
};

}  // namespace kavero
