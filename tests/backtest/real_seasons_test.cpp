// The figures the program quotes from the real seasons it ships: the goals
// model's recalibration and the marks' record in the header hints.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>

#include "backtest/backtest_run.h"
#include "backtest/calibration_fit.h"
#include "backtest/mark_records.h"
#include "stats/goals_model.h"

namespace kavero {
namespace {

class RealSeasons : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    run_ = new BacktestRun(RunBacktest({KAVERO_SEASONS}, *ChoosePrices("average")));
  }
  static void TearDownTestSuite() { delete run_; }
  static BacktestRun* run_;
};
BacktestRun* RealSeasons::run_ = nullptr;

long Thousandths(double value) {
  return std::lround(value * 1000);
}

TEST_F(RealSeasons, TheGoalsModelsConstantsAreTheFitToThreeDecimals) {
  const CalibrationFit fit = FitCalibration(run_->replay);
  EXPECT_EQ(fit.matches, run_->report.priced);
  EXPECT_EQ(Thousandths(fit.shift), Thousandths(kCalibrationShift)) << fit.shift;
  EXPECT_EQ(Thousandths(fit.slope), Thousandths(kCalibrationSlope)) << fit.slope;
}

TEST_F(RealSeasons, TheCheckedInMarkRecordsAreWhatTheBacktestGives) {
  std::ifstream in(KAVERO_MARK_RECORDS, std::ios::binary);
  const std::string checked_in((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
  EXPECT_EQ(checked_in, MarkRecordsText(CollectMarkRecords(run_->replay, run_->report)))
      << "rewrite it: kavero-backtest --mark-records data/mark-records.txt data/seasons";
}

TEST(MarkRecords, ReadsWhatItWritesAndRefusesAnIncompleteText) {
  MarkRecords records{2009, 2024, 5, 100, {}, -0.0189};
  for (const Mark mark : kAllMarks) {
    if (mark != Mark::kBlind) records.marks.push_back({mark, 20, 21, 0.55, 0.5, -0.0485});
  }
  const std::string text = MarkRecordsText(records);
  const auto read = ReadMarkRecords(text);
  ASSERT_TRUE(read);
  EXPECT_EQ(MarkRecordsText(*read), text);
  EXPECT_EQ(read->marks[2].mark, Mark::kStep2Green);
  EXPECT_DOUBLE_EQ(read->marks[2].returned, -0.0485);

  const std::string without_value = text.substr(0, text.find("value "));
  EXPECT_FALSE(ReadMarkRecords(without_value));
  EXPECT_FALSE(ReadMarkRecords(text + "step1_red 1 1 0.5 0.5 0.1\n"));
  EXPECT_FALSE(ReadMarkRecords("years 2009 twenty\n" + text.substr(text.find("leagues"))));
}

}  // namespace
}  // namespace kavero
