#include "stats/goals_model.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "base/scores.h"
#include "base/text_cuts.h"

namespace kavero {
namespace {

constexpr double kLowestMean = 0.01;
constexpr double kHighestMean = 20;

double ChanceOfExactly(double mean, int goals) {
  if (goals < 0) return 0;
  double chance = std::exp(-mean);
  for (int k = 1; k <= goals; ++k) chance *= mean / k;
  return chance;
}

// A plain line: n + 0.5 is decided either way; a whole n returns the stakes on n.
Settlement SettlePlainLine(double mean, double line) {
  const int whole = static_cast<int>(std::floor(line));
  if (line != whole) {
    const double under = ChanceAtMost(mean, whole);
    return {under, 1 - under, 0};
  }
  const double under = ChanceAtMost(mean, whole - 1);
  const double push = ChanceOfExactly(mean, whole);
  return {under, 1 - under - push, push};
}

// The mean at which a chance that grows with the mean reaches `target`,
// held within the means a football match can have.
double MeanWhere(const std::function<double(double)>& chance, double target) {
  double low = kLowestMean;
  double high = kHighestMean;
  for (int step = 0; step < 60; ++step) {
    const double middle = (low + high) / 2;
    (chance(middle) < target ? low : high) = middle;
  }
  return (low + high) / 2;
}

double OverShare(double mean, double line) {
  const Settlement settled = SettleTotal(mean, line);
  const double decided = settled.under_win + settled.over_win;
  return decided > 0 ? settled.over_win / decided : 0;
}

double Logit(double chance) {
  return std::log(chance / (1 - chance));
}

SideOutlook Outlook(double win, double push, double odds, double fair) {
  const double expected_return = win * odds + push;
  return {win, push, expected_return, expected_return - 1, fair};
}

}  // namespace

std::optional<TeamGoals> ReadTeamGoals(const LeagueRow& row) {
  const int games = DigitsToInt(Trim(row.cells[2]));
  if (games <= 0) return std::nullopt;
  const std::string_view goals = Trim(row.cells[6]);
  const std::size_t cut = goals.find_first_of("-:");
  if (cut == std::string_view::npos) return std::nullopt;
  const int scored = DigitsToInt(Trim(goals.substr(0, cut)));
  const int conceded = DigitsToInt(Trim(goals.substr(cut + 1)));
  if (scored < 0 || conceded < 0) return std::nullopt;
  return TeamGoals{games, scored, conceded};
}

double ChanceAtMost(double mean, int goals) {
  double term = std::exp(-mean);
  double sum = 0;
  for (int k = 0; k <= goals; ++k) {
    sum += term;
    term *= mean / (k + 1);
  }
  return std::min(sum, 1.0);
}

Settlement SettleTotal(double mean, double line) {
  const double quarters = line * 4;
  if (static_cast<long>(quarters) % 2 == 0) return SettlePlainLine(mean, line);
  const Settlement low = SettlePlainLine(mean, line - 0.25);
  const Settlement high = SettlePlainLine(mean, line + 0.25);
  return {(low.under_win + high.under_win) / 2, (low.over_win + high.over_win) / 2,
          (low.push + high.push) / 2};
}

double CalibratedChance(double fair_over) {
  const double clamped = std::clamp(fair_over, 1e-6, 1 - 1e-6);
  return 1 / (1 + std::exp(-(kCalibrationShift + kCalibrationSlope * Logit(clamped))));
}

std::optional<GoalsModel> ComputeGoalsModel(const LeagueRow& home, const LeagueRow& away,
                                            std::string_view total, std::string_view under,
                                            std::string_view over) {
  const std::optional<double> line = ReadDecimal(total);
  const std::optional<double> under_odds = ReadDecimal(under);
  const std::optional<double> over_odds = ReadDecimal(over);
  if (!ReadTeamGoals(home) || !ReadTeamGoals(away) || !line || !under_odds || !over_odds) {
    return std::nullopt;
  }
  if (*line < 0 || *line > 100 || *line * 4 != std::round(*line * 4)) return std::nullopt;
  if (*under_odds <= 1 || *over_odds <= 1) return std::nullopt;

  GoalsModel model;
  model.line = *line;
  const double book = 1 / *under_odds + 1 / *over_odds;
  model.margin = book - 1;
  const double fair_over = 1 / *over_odds / book;
  model.total_goals =
      MeanWhere([&](double mean) { return OverShare(mean, *line); }, CalibratedChance(fair_over));
  const Settlement settled = SettleTotal(model.total_goals, *line);
  model.under = Outlook(settled.under_win, settled.push, *under_odds, 1 - fair_over);
  model.over = Outlook(settled.over_win, settled.push, *over_odds, fair_over);
  return model;
}

}  // namespace kavero
