#pragma once
// What a set of bets on one side of a total has been worth: how often they
// won, what the market expected, and what they returned.
#include <span>

namespace kavero {

enum class BetSide { kOver, kUnder };
enum class BetOutcome { kWon, kPushed, kLost };

struct Bet {
  BetSide side = BetSide::kOver;
  BetOutcome outcome = BetOutcome::kLost;
  double price = 0;  // decimal odds
  double fair = 0;   // the market's chance of the side, margin removed
};

struct Interval {
  double low = 0, high = 0;
};

struct MarkRecord {
  int bets = 0;
  int won = 0;
  double won_share = 0;
  Interval won_interval;  // 95 %, Wilson
  double fair_mean = 0;
  double return_mean = 0;    // profit per unit staked
  Interval return_interval;  // 95 %, mean ± 1.96 standard errors
};

// The 95 % Wilson interval of a share of `trials`; [0, 1] without trials.
Interval WilsonInterval(int successes, int trials);

MarkRecord SummariseBets(std::span<const Bet> bets);

}  // namespace kavero
