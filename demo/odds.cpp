#include "odds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>

namespace kavero::demo {
namespace {

constexpr int kMaxGoals = 12;

std::array<double, kMaxGoals + 1> PoissonTable(double mean) {
  std::array<double, kMaxGoals + 1> chance{};
  chance[0] = std::exp(-mean);
  for (int k = 1; k <= kMaxGoals; ++k) chance[k] = chance[k - 1] * mean / k;
  return chance;
}

double Price(double probability, double margin) {
  const double price = 1.0 / (probability * (1.0 + margin));
  return std::max(1.01, std::round(price * 100.0) / 100.0);
}

// The line among `lines` whose chance of being beaten comes nearest to `target`.
double NearestLine(std::initializer_list<double> lines, double target,
                   const std::function<double(double)>& chance_above) {
  return *std::min_element(lines.begin(), lines.end(), [&](double a, double b) {
    return std::abs(chance_above(a) - target) < std::abs(chance_above(b) - target);
  });
}

}  // namespace

MatchOdds PriceMatch(double home_mean, double away_mean, const PricingChoice& choice) {
  const auto home = PoissonTable(home_mean);
  const auto away = PoissonTable(away_mean);
  auto chance_of = [&](const std::function<bool(int, int)>& event) {
    double sum = 0;
    double all = 0;
    for (int h = 0; h <= kMaxGoals; ++h) {
      for (int a = 0; a <= kMaxGoals; ++a) {
        all += home[h] * away[a];
        if (event(h, a)) sum += home[h] * away[a];
      }
    }
    return sum / all;
  };
  const double home_win = chance_of([](int h, int a) { return h > a; });
  const double draw = chance_of([](int h, int a) { return h == a; });
  const double away_win = 1.0 - home_win - draw;
  const double margin = choice.margin;

  MatchOdds odds;
  odds.home_win = Price(home_win, margin);
  odds.draw = Price(draw, margin);
  odds.away_win = Price(away_win, margin);
  odds.home_or_draw = Price(home_win + draw, margin);
  odds.home_or_away = Price(home_win + away_win, margin);
  odds.draw_or_away = Price(draw + away_win, margin);

  // A whole-goal handicap can end level; those stakes are returned, so the
  // price rests on the chance among the decided outcomes.
  auto home_covers = [&](double line) {
    const double wins = chance_of([line](int h, int a) { return h - a + line > 0; });
    const double losses = chance_of([line](int h, int a) { return h - a + line < 0; });
    return wins / (wins + losses);
  };
  odds.handicap = NearestLine({-2.5, -2, -1.5, -1, 0, 1, 1.5, 2, 2.5}, 0.5, home_covers);
  odds.home_handicap = Price(home_covers(odds.handicap), margin);
  odds.away_handicap = Price(1.0 - home_covers(odds.handicap), margin);

  auto over = [&](double line) { return chance_of([line](int h, int a) { return h + a > line; }); };
  odds.total = NearestLine({1.5, 2.5, 3.5}, choice.total_target, over);
  odds.over = Price(over(odds.total), margin);
  odds.under = Price(1.0 - over(odds.total), margin);
  return odds;
}

std::string PriceText(double price) {
  char text[16];
  std::snprintf(text, sizeof text, "%.2f", price);
  return text;
}

std::string HandicapText(double handicap) {
  if (handicap == 0) return "0";
  char text[16];
  std::snprintf(text, sizeof text, handicap == std::trunc(handicap) ? "%+.0f" : "%+.1f", handicap);
  return text;
}

std::string TotalText(double total) {
  char text[16];
  std::snprintf(text, sizeof text, "%.1f", total);
  return text;
}

}  // namespace kavero::demo
