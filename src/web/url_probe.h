#pragma once
// Asks whether an address answers, without reading its body.
#include <chrono>
#include <string>

namespace kavero {

struct ProbeLimits {
  std::chrono::milliseconds connect_timeout{15'000};
  std::chrono::milliseconds total_timeout{30'000};
};

// True exactly when the answer's status is 200 or 302; every problem gives false.
// An address without "http://" anywhere in it gets that prefix. The system's
// proxy settings apply; the answer is always asked of the server itself.
bool UrlResponds(const std::string& address, const ProbeLimits& limits = {});

}  // namespace kavero
