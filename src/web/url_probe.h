#pragma once
// Asking whether an address answers, without reading its body. The real probe
// runs on libcurl (web/curl/url_probe.h) and is handed in from main().
#include <chrono>
#include <functional>
#include <string>

namespace kavero {

struct ProbeLimits {
  std::chrono::milliseconds connect_timeout{15'000};
  std::chrono::milliseconds total_timeout{30'000};
};

// True exactly when the address answers 200 or 302.
using UrlProbe = std::function<bool(const std::string& address, const ProbeLimits& limits)>;

}  // namespace kavero
