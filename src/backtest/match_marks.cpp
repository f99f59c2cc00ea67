#include "backtest/match_marks.h"

#include "stats/indicator_rules.h"

namespace kavero {
namespace {

std::optional<BetSide> Mark(double value, double red_up_to, double green_from) {
  if (value >= green_from) return BetSide::kOver;
  if (value <= red_up_to) return BetSide::kUnder;
  return std::nullopt;
}

}  // namespace

std::optional<BetSide> Step1Mark(double step1) {
  return Mark(step1, kStep1RedUpTo, kStep1GreenFrom);
}

std::optional<BetSide> Step2Mark(double step2) {
  return Mark(step2, kStep2RedUpTo, kStep2GreenFrom);
}

EdgeMarks MarkedEdges(const GoalsModel& model) {
  return {model.over.edge >= kMarkedEdge, model.under.edge >= kMarkedEdge};
}

}  // namespace kavero
