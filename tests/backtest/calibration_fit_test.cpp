#include "backtest/calibration_fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>

namespace kavero {
namespace {

// Matches at two market chances: the fit passes through both groups' shares.
TEST(CalibrationFit, MeetsTheSharesOfTwoGroupsOfMatches) {
  std::deque<PastMatch> matches;
  Replay replay;
  const auto add = [&](double fair_over, bool over) {
    PastMatch& match = matches.emplace_back();
    match.home_goals = over ? 3 : 1;
    GoalsModel model;
    model.over.fair = fair_over;
    replay.evaluated.push_back({nullptr, &match, "2024", 0, 0, model});
  };
  // logit 0: 3 of 4 went over; logit 1: 1 of 5.
  const double at_one = 1 / (1 + std::exp(-1.0));
  for (const bool over : {true, true, true, false}) add(0.5, over);
  for (const bool over : {true, false, false, false, false}) add(at_one, over);
  replay.evaluated.push_back({nullptr, &matches.front(), "2024", 0, 0, std::nullopt});

  const CalibrationFit fit = FitCalibration(replay);
  EXPECT_EQ(fit.matches, 9);
  EXPECT_NEAR(fit.shift, std::log(3.0), 1e-9);                    // logit(3/4)
  EXPECT_NEAR(fit.shift + fit.slope, std::log(1.0 / 4.0), 1e-9);  // logit(1/5)

  // All of one outcome has no finite fit: the market's chance is kept.
  replay.evaluated.resize(3);
  const CalibrationFit kept = FitCalibration(replay);
  EXPECT_EQ(kept.shift, 0);
  EXPECT_EQ(kept.slope, 1);
}

}  // namespace
}  // namespace kavero
