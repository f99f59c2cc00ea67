#pragma once
#include <string>
#include <string_view>

#include "stats/match_stats.h"
#include "web/http_client.h"

namespace kavero {

// The statistics page asked for by a row's link, or "" when the link asks for
// nothing (it holds no "stat").
std::string StatisticsPageAddress(std::string_view bookmaker_site, std::string_view link);

// Fills the three history tables from the statistics page at bookmaker_site + link.
// A link without "stat" leaves the three grids empty and asks for nothing.
// A page that fails sets statistics_failure; it and a page without recent
// results are added to the problems.
void LoadHistoryGrids(PageSource& pages, std::string_view bookmaker_site, std::string_view link,
                      MatchStats& stats);

}  // namespace kavero
