#pragma once
// A failed exchange as a page problem, so that the report can say it in the
// user's words.
#include <optional>
#include <string_view>

#include "base/page_report.h"
#include "web/http_client.h"

namespace kavero {

// The problem of a failed exchange; nothing for one that succeeded.
std::optional<PageProblem> FetchProblem(std::string_view address, const FetchResult& answer);

}  // namespace kavero
