#pragma once
// Fetching the football betting line from the bookmaker site.
#include <string>
#include <string_view>

#include "base/page_report.h"
#include "base/run_hooks.h"
#include "web/http_client.h"

namespace kavero {

// Field lines of every football section of a selected-lines page, in page
// order; empty when the page has no "name=cc". Moves the gauge one step per
// section.
std::string ParseLinePage(std::string_view page, const RunHooks& hooks);

// Asks the line menu for the football sections, then the page of those
// sections, and parses it. A failed menu is read as far as it arrived, a
// failed line page gives the empty line; either goes into `report`, with the
// pages that came but were not understood.
std::string DownloadLine(HttpClient& client, std::string_view bookmaker_site, const RunHooks& hooks,
                         PageReport* report = nullptr);

}  // namespace kavero
