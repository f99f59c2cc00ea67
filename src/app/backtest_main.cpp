// kavero-backtest: replays past seasons and reports what the window's marks
// and chance of over 2.5 have been worth.
#include <QApplication>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string_view>
#include <vector>

#include "app/plots/backtest_plot.h"
#include "backtest/backtest_options.h"
#include "backtest/backtest_run.h"
#include "backtest/calibration_fit.h"
#include "backtest/mark_records.h"
#include "backtest/matches_csv.h"
#include "backtest/report_text.h"

namespace {

bool WriteText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  return static_cast<bool>(out.flush());
}

bool Plot(const kavero::BacktestReport& report, const std::string& path, char* program) {
  // The charts are drawn off screen; no display is needed.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qt_argc = 1;
  char* qt_argv[] = {program, nullptr};
  QApplication application(qt_argc, qt_argv);
  QString error;
  if (kavero::app::WriteBacktestPlot(report, QString::fromStdString(path), error)) return true;
  std::cerr << "kavero-backtest: " << error.toStdString() << "\n";
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  const auto parsed = kavero::ParseBacktestOptions(arguments);
  if (!parsed.options) {
    std::cerr << "kavero-backtest: " << parsed.error << "\n\n" << kavero::BacktestUsage();
    return 2;
  }
  const auto& options = *parsed.options;
  if (options.help) {
    std::cout << kavero::BacktestUsage();
    return 0;
  }
  const auto run = kavero::RunBacktest(options.paths, options.prices);
  if (options.fit) {
    const auto fit = kavero::FitCalibration(run.replay);
    std::printf(
        "Fitted on %d matches: logit(chance) = shift + slope * logit(market's fair chance)\n"
        "shift %.3f\nslope %.3f\n",
        fit.matches, fit.shift, fit.slope);
    return 0;
  }
  std::cout << kavero::FormatReport(run.report, kavero::EnglishReportWords());
  int status = 0;
  if (!options.mark_records_file.empty() &&
      !WriteText(options.mark_records_file,
                 kavero::MarkRecordsText(kavero::CollectMarkRecords(run.replay, run.report)))) {
    std::cerr << "kavero-backtest: cannot write " << options.mark_records_file << "\n";
    status = 1;
  }
  if (!options.matches_file.empty() &&
      !WriteText(options.matches_file, kavero::MatchesCsv(run.replay))) {
    std::cerr << "kavero-backtest: cannot write " << options.matches_file << "\n";
    status = 1;
  }
  if (!options.plot_file.empty() && !Plot(run.report, options.plot_file, argv[0])) status = 1;
  return status;
}
