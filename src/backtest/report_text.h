#pragma once
// The backtest's report as plain text, one line per figure, tables in columns.
#include <string>

#include "backtest/backtest_report.h"
#include "backtest/report_words.h"

namespace kavero {

// "Step1 ≥ 5 (green), over" and the like, with the window's own thresholds.
std::string MarkLabel(Mark mark, const ReportWords& words);

std::string FormatReport(const BacktestReport& report, const ReportWords& words);

}  // namespace kavero
