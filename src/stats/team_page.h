#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/page_report.h"
#include "web/http_client.h"

namespace kavero {

// The first line of the team page list whose field 1 is exactly `team`, or "".
std::string FindTeamEntry(const std::vector<std::string>& team_page_list, std::string_view team);

// Field 2 of the team's line in the list: its page's address, "" when unknown.
std::string TeamPageAddress(const std::vector<std::string>& team_page_list, std::string_view team);

// Reads a team's page: the team record (its league row in eight fields, or
// "0>>0>>0>>0>>0>>0>>0-0>>0>>" when none is found), then one four-field record
// per played match with the score in field 4; lines joined by CR LF. An empty
// address gives the default record alone, without a request. A page that
// fails, is no UTF-8 or has no row for the team goes into `report`; a failed
// exchange also into `failure`.
std::string ReadTeamPage(PageSource& pages, std::string_view team, std::string_view address,
                         PageReport* report = nullptr,
                         std::optional<PageProblem>* failure = nullptr);

}  // namespace kavero
