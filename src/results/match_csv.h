#pragma once
// A match table as the CSV file of the "Export CSV…" item.
#include <string>
#include <string_view>
#include <vector>

#include "base/language.h"
#include "base/match_table.h"

namespace kavero {

struct CsvMatchRow {
  const MatchRow* row;
  bool stats_read;  // whether the row's statistics were read
  // The odds as first seen today, as the page wrote them; "" when not known.
  std::string first_under = {}, first_over = {};
};

// A header row in `language`, then one record per row in
// order: championship, date (YYYY-MM-DD when it reads with `date_format`, the
// short date pattern the table's dates were written with), time, home, away, total, both odds,
// Step1, Step2, the read flag (1 or 0), expected goals, the model's and the market's chances of
// over and under, the margin and both edges (chances in per cent; empty without a model), the
// odds first seen today. The total and odds keep their digits with the style's decimal point.
std::string MatchTableCsv(const std::vector<CsvMatchRow>& rows, Language language,
                          char decimal_separator, std::string_view date_format);

}  // namespace kavero
