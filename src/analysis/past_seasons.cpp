#include "analysis/past_seasons.h"

#include "analysis/analysis.h"
#include "backtest/backtest_run.h"
#include "backtest/report_text.h"

namespace kavero {

PastSeasonsCheck Analysis::CheckPastSeasons(const std::vector<std::string>& paths,
                                            Language language) {
  BacktestReport report = RunBacktest(paths, *ChoosePrices("average")).report;
  std::string text = FormatReport(
      report, language == Language::kRussian ? RussianReportWords() : EnglishReportWords());
  return {std::move(report), std::move(text)};
}

}  // namespace kavero
