#pragma once
// The recalibration of the market's fair chance that the goals model applies:
// logit(chance of over) = shift + slope * logit(fair chance of over), fitted by
// maximum likelihood on replayed matches.
#include "backtest/replay.h"

namespace kavero {

struct CalibrationFit {
  double shift = 0, slope = 1;
  int matches = 0;  // the priced evaluated matches it was fitted on
};

// Newton's method on the log-likelihood, from the market's own chance (0, 1);
// with fewer than two matches, or all of one outcome, the start is returned.
CalibrationFit FitCalibration(const Replay& replay);

}  // namespace kavero
