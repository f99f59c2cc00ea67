#include "stats/step_indicators.h"

#include <span>

#include "base/scores.h"
#include "base/text_cuts.h"

namespace kavero {
namespace {

constexpr std::size_t kRowsUsed = 4;

bool BothUsable(const HistoryTable& first, const HistoryTable& second) {
  return first.size() >= kRowsUsed && second.size() >= kRowsUsed;
}

std::span<const HistoryRow> RowsUsed(const HistoryTable& table) {
  return std::span(table).first(kRowsUsed);
}

double Step1Points(const HistoryRow& row) {
  const int home = ScorePart(row.score, 1);
  const int away = ScorePart(row.score, 2);
  const long long goals = static_cast<long long>(home) + away;  // no overflow on absurd scores
  double points = 0;
  if (goals > 2) points += 0.5;
  if (home > 0 && away > 0) points += 0.75;
  if (goals < 3) points -= 0.5;
  if (home == 0 || away == 0) points -= 0.75;
  return points;
}

// Weighted goals scored plus goals conceded by the named side over its four matches.
double Step2Goals(const HistoryTable& table, std::string_view name) {
  double scored = 0;
  double conceded = 0;
  for (const auto& row : RowsUsed(table)) {
    const int home = ScorePart(row.score, 1);
    const int away = ScorePart(row.score, 2);
    if (TextPos(name, row.match) < 3) {
      scored += 1.5 * home;
      conceded += 1.5 * away;
    } else {
      scored += 2.0 * away;
      conceded += home;
    }
  }
  return scored / 4 + conceded / 4;
}

}  // namespace

double ComputeStep1(const HistoryTable& first, const HistoryTable& second) {
  if (!BothUsable(first, second)) return 0;
  double sum = 0;
  for (const auto& row : RowsUsed(first)) sum += Step1Points(row);
  for (const auto& row : RowsUsed(second)) sum += Step1Points(row);
  return sum;
}

double ComputeStep2(const HistoryTable& first, const HistoryTable& second,
                    std::string_view first_name, std::string_view second_name) {
  if (!BothUsable(first, second)) return 0;
  return (Step2Goals(first, first_name) + Step2Goals(second, second_name)) / 4;
}

}  // namespace kavero
