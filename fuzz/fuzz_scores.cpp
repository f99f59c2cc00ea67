// Score and number readers, and the indicators built on them: each input line
// is one score of both history tables.
#include "base/scores.h"
#include "base/text_cuts.h"
#include "fuzz_input.h"
#include "stats/step_indicators.h"
#include "stats/team_page.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto text = kavero::fuzz::AsText(data, size);
  kavero::HistoryTable table;
  for (auto line : kavero::SplitLines(text)) {
    for (int part = 0; part <= 5; ++part) kavero::ScorePart(line, part);
    kavero::DigitsToInt(line);
    kavero::GoalTotal(line);
    table.push_back({"01.01.2026", "A - B", std::string(line)});
  }
  const double step1 = kavero::ComputeStep1(table, table);
  const double step2 = kavero::ComputeStep2(table, table, "A", "B");
  if (step1 != step1 || step2 != step2) __builtin_trap();  // never NaN
  return 0;
}
