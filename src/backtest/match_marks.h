#pragma once
// The marks the window would put on a match: the indicator cells' green and
// red, and the odds cells whose edge is marked.
#include <optional>

#include "backtest/mark_record.h"
#include "base/goals_outlook.h"

namespace kavero {

// Green says over, red says under; nothing in between.
std::optional<BetSide> Step1Mark(double step1);
std::optional<BetSide> Step2Mark(double step2);

struct EdgeMarks {
  bool over = false, under = false;
};
EdgeMarks MarkedEdges(const GoalsModel& model);

}  // namespace kavero
