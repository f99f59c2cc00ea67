#pragma once
// "Check on past seasons…": the backtest over season files, as the window
// shows it.
#include <string>

#include "backtest/backtest_report.h"

namespace kavero {

struct PastSeasonsCheck {
  BacktestReport report;
  std::string text;  // the report in the interface language, UTF-8
};

}  // namespace kavero
