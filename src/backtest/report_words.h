#pragma once
// Every word of the backtest's report, so that another language is one more
// set of them. Patterns take %1, %2, ... in order.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "backtest/backtest_report.h"
#include "backtest/input_notes.h"

namespace kavero {

struct ReportWords {
  char decimal_point;
  std::string_view thousands_separator;
  std::string_view title;
  std::string_view prices;                   // %1 the choice's name
  std::string_view read;                     // %1 files, %2 matches read
  std::string_view evaluated;                // %1 evaluated, %2 not evaluated
  std::string_view priced;                   // %1 with prices, %2 over 2.5 rate
  std::string_view notes_title;              // %1 how many
  std::string_view note_at_line;             // %1 file, %2 line, %3 problem
  std::string_view note_in_file;             // %1 file, %2 problem
  std::string_view left_out;                 // after a problem that drops its row or file
  std::array<std::string_view, 9> problems;  // by InputProblem; %1 the detail
  std::string_view marks_title;
  std::array<std::string_view, 5> mark_columns;  // mark, matches, won, market, return
  std::string_view step1_green, step1_red, step2_green, step2_red;  // %1 the threshold
  std::string_view value_mark;                                      // %1 the marked edge
  std::string_view blind;
  std::string_view stated_edge;  // %1 bets, %2 the mean edge the window stated
  std::string_view calibration_title;
  std::array<std::string_view, 4> calibration_columns;  // chance, predicted, observed, matches
  std::string_view scores_title;
  std::array<std::string_view, 3> score_columns;            // what, Brier, log loss
  std::string_view model_chance, market_chance, base_rate;  // base_rate: %1 the rate
  std::string_view interval;                                // %1 low, %2 high
};

const ReportWords& EnglishReportWords();
const ReportWords& RussianReportWords();

// `pattern` with %1, %2, ... replaced by `values`.
std::string Fill(std::string_view pattern, const std::vector<std::string>& values);

}  // namespace kavero
