#include "backtest/mark_record.h"

#include <algorithm>
#include <cmath>

namespace kavero {
namespace {

constexpr double kZ95 = 1.959963984540054;

double Profit(const Bet& bet) {
  switch (bet.outcome) {
    case BetOutcome::kWon:
      return bet.price - 1;
    case BetOutcome::kPushed:
      return 0;
    case BetOutcome::kLost:
      return -1;
  }
  return 0;
}

}  // namespace

Interval WilsonInterval(int successes, int trials) {
  if (trials <= 0) return {0, 1};
  const double n = trials;
  const double share = successes / n;
  const double z2 = kZ95 * kZ95;
  const double centre = (share + z2 / (2 * n)) / (1 + z2 / n);
  const double half = kZ95 * std::sqrt(share * (1 - share) / n + z2 / (4 * n * n)) / (1 + z2 / n);
  return {centre - half, centre + half};
}

MarkRecord SummariseBets(std::span<const Bet> bets) {
  MarkRecord record;
  record.bets = static_cast<int>(bets.size());
  if (bets.empty()) return record;
  double fair = 0, profit = 0, squares = 0;
  for (const Bet& bet : bets) {
    if (bet.outcome == BetOutcome::kWon) ++record.won;
    fair += bet.fair;
    profit += Profit(bet);
    squares += Profit(bet) * Profit(bet);
  }
  const double n = record.bets;
  record.won_share = record.won / n;
  record.won_interval = WilsonInterval(record.won, record.bets);
  record.fair_mean = fair / n;
  record.return_mean = profit / n;
  const double variance =
      record.bets > 1
          ? std::max(0.0, (squares - n * record.return_mean * record.return_mean) / (n - 1))
          : 0.0;
  const double half = kZ95 * std::sqrt(variance / n);
  record.return_interval = {record.return_mean - half, record.return_mean + half};
  return record;
}

}  // namespace kavero
