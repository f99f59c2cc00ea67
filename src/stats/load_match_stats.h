#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "base/match_table.h"
#include "stats/match_stats.h"
#include "web/http_client.h"

namespace kavero {

// Reads the match's statistics page and both teams' pages into `stats`: the
// history grids, a fresh league row and a fresh totals row per team, and,
// when the away team's page lists matches, the combined totals and their
// green marks. Request failures read as empty (or partly received) pages;
// they, and pages not understood, are listed in stats.problems. Given
// `team_list_failure`, the team page list itself could not be read: neither
// team's page can be looked up, and both count as failed with that problem
// (which the caller reports once, not per match).
void LoadMatchStats(const MatchRow& row, PageSource& pages, std::string_view bookmaker_site,
                    const std::vector<std::string>& team_page_list, MatchStats& stats,
                    const PageProblem* team_list_failure = nullptr);

}  // namespace kavero
