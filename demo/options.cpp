#include "options.h"

#include <charconv>
#include <limits>

namespace kavero::demo {
namespace {

// More would have clubs play twice on one day.
constexpr int kMaxMatches = 1000;

template <typename Number>
std::optional<Number> ReadNumber(const std::string& text, Number low, Number high) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

const char* const kUsage =
    "Usage: kavero-demo-site [--port N] [--seed N] [--matches N] [--latency-ms N]\n"
    "                        [--storage DIR] [--today YYYY-MM-DD]\n"
    "Serves a made-up bookmaker, league pages and publisher on 127.0.0.1.\n"
    "  --port N        port to answer on (default 8641)\n"
    "  --seed N        seed of every generated club, result and price (default 20261210)\n"
    "  --matches N     coming matches in the betting line, at most 1000 (default 300)\n"
    "  --latency-ms N  wait this long before every answer (default 0)\n"
    "  --storage DIR   folder of published tables (default kavero-demo-published\n"
    "                  beside the executable where that folder takes files, else\n"
    "                  kavero/demo-published in $XDG_DATA_HOME or ~/.local/share)\n"
    "  --today DATE    the day the line starts (default the system date)\n"
    "While it runs, /demo/next-day on its address moves the site on to the next\n"
    "day (/demo/next-hour: an hour; /demo/today?date=YYYY-MM-DD&hour=H: to that\n"
    "moment, up to a year on; /demo/today: where it is): the matches before that\n"
    "day have been played and the prices of those still offered have moved.\n";

ParsedOptions ParseOptions(const std::vector<std::string>& arguments) {
  ParsedOptions parsed;
  Options& options = parsed.options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& name = arguments[i];
    if (name == "--help" || name == "-h") {
      parsed.help = true;
      continue;
    }
    if (i + 1 == arguments.size()) {
      parsed.error = name.rfind("--", 0) == 0 ? name + " needs a value" : "unknown option " + name;
      return parsed;
    }
    const std::string& value = arguments[++i];
    bool understood = true;
    if (name == "--port") {
      const auto port = ReadNumber(value, 1, 65535);
      understood = port.has_value();
      if (port) options.port = *port;
    } else if (name == "--seed") {
      const auto seed =
          ReadNumber(value, std::uint64_t{0}, std::numeric_limits<std::uint64_t>::max());
      understood = seed.has_value();
      if (seed) options.seed = *seed;
    } else if (name == "--matches") {
      const auto matches = ReadNumber(value, 0, kMaxMatches);
      understood = matches.has_value();
      if (matches) options.matches = *matches;
    } else if (name == "--latency-ms") {
      const auto latency = ReadNumber(value, 0, 600000);
      understood = latency.has_value();
      if (latency) options.latency = std::chrono::milliseconds(*latency);
    } else if (name == "--storage") {
      understood = !value.empty();
      options.storage = value;
    } else if (name == "--today") {
      options.today = ParseIsoDay(value);
      understood = options.today.has_value();
    } else {
      parsed.error = "unknown option " + name;
      return parsed;
    }
    if (!understood) {
      parsed.error = "invalid value for " + name;
      parsed.error += ": ";
      parsed.error += value;
      return parsed;
    }
  }
  return parsed;
}

}  // namespace kavero::demo
