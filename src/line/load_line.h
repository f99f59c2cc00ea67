#pragma once
// Filling the match table from the bookmaker's betting line.
#include <string_view>

#include "base/dates.h"
#include "base/match_table.h"
#include "base/page_report.h"
#include "base/run_hooks.h"
#include "web/http_client.h"

namespace kavero {

// Replaces the table's rows with the downloaded line, grouped by date in order
// of first appearance. Field 1 is read as day.month.year (today when it has no
// "."); a row is written only for a real date, shown in short_date_format.
// The gauge ends at 0 with the number of dates as its maximum. Pages that
// failed or were not understood go into `report`.
void LoadLine(MatchTable& table, HttpClient& client, std::string_view bookmaker_site,
              const RunHooks& hooks, const Date& today, std::string_view short_date_format,
              PageReport* report = nullptr);

}  // namespace kavero
