#pragma once
#include <string>

namespace kavero::demo {

// A bookmaker's prices for one match, every price rounded to two decimals.
struct MatchOdds {
  double home_win = 0, draw = 0, away_win = 0;
  double home_or_draw = 0, home_or_away = 0, draw_or_away = 0;
  double handicap = 0;  // the home side's handicap in goals
  double home_handicap = 0, away_handicap = 0;
  double total = 0;  // 1.5, 2.5 or 3.5
  double under = 0, over = 0;
};

struct PricingChoice {
  double margin;        // the bookmaker's share, 0.06 for 6 %
  double total_target;  // chance of "over" that the offered total should come nearest to
};

// Prices for independent Poisson-distributed goals with the given means.
MatchOdds PriceMatch(double home_mean, double away_mean, const PricingChoice& choice);

// "1.85"; a handicap is signed: "-1.5", "+1", "0".
std::string PriceText(double price);
std::string HandicapText(double handicap);
// "2.5".
std::string TotalText(double total);

}  // namespace kavero::demo
