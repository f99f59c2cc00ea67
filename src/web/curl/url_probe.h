#pragma once
// The probe on libcurl.
#include <string>

#include "web/url_probe.h"

namespace kavero {

// True exactly when the answer's status is 200 or 302; every problem gives false.
// An address without "http://" anywhere in it gets that prefix. The system's
// proxy settings apply; the answer is always asked of the server itself.
bool UrlResponds(const std::string& address, const ProbeLimits& limits = {});

}  // namespace kavero
