#pragma once
// The demo site's command line.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "calendar.h"

namespace kavero::demo {

struct Options {
  int port = 8641;
  std::uint64_t seed = 20261210;
  int matches = 300;
  std::chrono::milliseconds latency{0};
  std::optional<std::filesystem::path> storage;  // default: beside the executable
  std::optional<Day> today;                      // default: the system date
};

struct ParsedOptions {
  Options options;
  bool help = false;
  std::string error;  // empty when the command line was understood
};

ParsedOptions ParseOptions(const std::vector<std::string>& arguments);

extern const char* const kUsage;

}  // namespace kavero::demo
