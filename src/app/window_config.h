#pragma once
// Where the window's servers and files are. The program itself always uses
// the defaults; tests point the window at their own servers and folders.
#include <QDateTime>
#include <functional>
#include <string>

#include "base/dates.h"
#include "web/http_client.h"
#include "web/url_probe.h"

namespace kavero::app {

struct WindowConfig {
  std::string bookmaker_site;
  std::string publishing_server;
  std::string home_page;
  std::string saves_path;             // the saved-results file
  std::string previous_saves_folder;  // where replaced saves are kept; "" keeps none
  RegionalSettings regional;
  HttpLimits http_limits;
  ProbeLimits probe_limits;
  // Fetch the pages of coming rows while a pass reads earlier ones.
  bool read_ahead = true;
  std::string report_log_path;  // the run report on disk; "" writes none
  std::string history_folder;   // where "history.sqlite" is kept; "" keeps none
  // The time the history keeps runs by; the system's clock when unset.
  std::function<QDateTime()> history_clock;
  // Where kavero-demo-site answers by default: a line refused there most
  // likely means the demo site was not started.
  std::string demo_site = "http://127.0.0.1:8641/";
};

// The compile-time addresses, "saves.txt" beside the executable (or in the
// user's data folder when that folder takes no files, see base/data_folder.h),
// the report log in the user's application data and the system's regional
// settings. Needs the application object.
WindowConfig DefaultWindowConfig();

}  // namespace kavero::app
