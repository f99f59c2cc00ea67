#include "backtest/input_notes.h"

namespace kavero {

bool DropsInput(InputProblem problem) {
  return problem != InputProblem::kBadTime && problem != InputProblem::kBadPrice &&
         problem != InputProblem::kNotUtf8Names;
}

}  // namespace kavero
