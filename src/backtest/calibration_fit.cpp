#include "backtest/calibration_fit.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace kavero {
namespace {

constexpr int kMostSteps = 50;
constexpr double kSettled = 1e-12;

struct Point {
  double x;  // logit of the market's fair chance of over
  bool over;
};

}  // namespace

CalibrationFit FitCalibration(const Replay& replay) {
  std::vector<Point> points;
  for (const ReplayedMatch& match : replay.evaluated) {
    if (!match.model) continue;
    const double fair = std::clamp(match.model->over.fair, 1e-6, 1 - 1e-6);
    points.push_back({std::log(fair / (1 - fair)), match.Over()});
  }
  CalibrationFit fit;
  fit.matches = static_cast<int>(points.size());
  const auto overs = std::count_if(points.begin(), points.end(), [](Point p) { return p.over; });
  if (points.size() < 2 || overs == 0 || overs == static_cast<long>(points.size())) return fit;

  for (int step = 0; step < kMostSteps; ++step) {
    // Gradient and Hessian of the log-likelihood in (shift, slope).
    double g0 = 0, g1 = 0, h00 = 0, h01 = 0, h11 = 0;
    for (const Point& point : points) {
      const double chance = 1 / (1 + std::exp(-(fit.shift + fit.slope * point.x)));
      const double residual = (point.over ? 1 : 0) - chance;
      const double weight = chance * (1 - chance);
      g0 += residual;
      g1 += residual * point.x;
      h00 += weight;
      h01 += weight * point.x;
      h11 += weight * point.x * point.x;
    }
    const double determinant = h00 * h11 - h01 * h01;
    if (determinant <= 0) break;
    const double d_shift = (h11 * g0 - h01 * g1) / determinant;
    const double d_slope = (h00 * g1 - h01 * g0) / determinant;
    fit.shift += d_shift;
    fit.slope += d_slope;
    if (std::abs(d_shift) + std::abs(d_slope) < kSettled) break;
  }
  return fit;
}

}  // namespace kavero
