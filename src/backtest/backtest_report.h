#pragma once
// The figures of a backtest: what was read, what each mark has been worth, and
// how well the window's chance of over 2.5 and the market's fair chance did.
#include <array>
#include <string>
#include <vector>

#include "backtest/input_notes.h"
#include "backtest/mark_record.h"
#include "backtest/replay.h"

namespace kavero {

enum class Mark { kStep1Green, kStep1Red, kStep2Green, kStep2Red, kValue, kBlind };
inline constexpr std::array kAllMarks = {Mark::kStep1Green, Mark::kStep1Red, Mark::kStep2Green,
                                         Mark::kStep2Red,   Mark::kValue,    Mark::kBlind};

struct MarkSummary {
  Mark mark = Mark::kBlind;
  int matches = 0;  // matches it marked (the value mark may mark both sides of one)
  MarkRecord record;
  double stated_edge = 0;  // the mean edge the window showed on the marked side
};

struct CalibrationBucket {
  double from = 0, to = 0;  // predicted chance in [from, to)
  int matches = 0;
  double predicted = 0, observed = 0;
  Interval observed_interval;
};

struct Scores {
  double brier = 0, log_loss = 0;
};

struct BacktestReport {
  std::string prices;  // the choice's name
  int files = 0;
  int matches_read = 0, too_early = 0, evaluated = 0;
  // Evaluated matches with both prices: the marks, calibration and scores are of these.
  int priced = 0;
  double over_rate = 0;
  std::vector<InputNote> notes;
  std::vector<MarkSummary> marks;                                        // in kAllMarks order
  std::vector<CalibrationBucket> model_calibration, market_calibration;  // non-empty buckets
  Scores model, market, base_rate;
};

// A bet on `side` of a priced replayed match at its chosen price.
Bet BetOn(const ReplayedMatch& match, BetSide side);

// Predictions against what happened in 5-point buckets.
std::vector<CalibrationBucket> Calibrate(const std::vector<double>& chances,
                                         const std::vector<bool>& happened);
Scores Score(const std::vector<double>& chances, const std::vector<bool>& happened);

BacktestReport SummariseBacktest(const std::vector<SeasonFile>& files, const Replay& replay,
                                 std::vector<InputNote> reading_notes, std::string prices);

}  // namespace kavero
