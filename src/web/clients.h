#pragma once
// Where the program's clients are made: the only place that knows they run on
// libcurl.
#include <memory>

#include "web/http_client.h"
#include "web/session_client.h"

namespace kavero {

// The program's HTTP client (CurlHttpClient).
std::unique_ptr<SessionClient> MakeHttpClient(const HttpLimits& limits = {});

}  // namespace kavero
