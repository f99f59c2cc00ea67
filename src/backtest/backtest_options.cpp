#include "backtest/backtest_options.h"

namespace kavero {

ParsedOptions ParseBacktestOptions(std::span<const std::string_view> arguments) {
  BacktestOptions options;
  options.prices = *ChoosePrices("average");
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      options.help = true;
      return {options, ""};
    }
    if (argument == "--fit") {
      options.fit = true;
      continue;
    }
    if (argument == "--prices" || argument == "--matches" || argument == "--plot" ||
        argument == "--mark-records") {
      if (i + 1 == arguments.size())
        return {std::nullopt, std::string(argument) + " needs a value"};
      const std::string_view value = arguments[++i];
      if (argument == "--matches") {
        options.matches_file = value;
      } else if (argument == "--plot") {
        options.plot_file = value;
      } else if (argument == "--mark-records") {
        options.mark_records_file = value;
      } else if (auto prices = ChoosePrices(value)) {
        options.prices = std::move(*prices);
      } else {
        return {std::nullopt, "unknown prices \"" + std::string(value) + "\""};
      }
    } else if (argument.starts_with("--")) {
      return {std::nullopt, "unknown option " + std::string(argument)};
    } else {
      options.paths.emplace_back(argument);
    }
  }
  if (options.paths.empty()) return {std::nullopt, "no season files or folders given"};
  return {options, ""};
}

std::string_view BacktestUsage() {
  return "Usage: kavero-backtest [options] FILE_OR_FOLDER...\n"
         "Replays past seasons (football-data.co.uk CSV files) and reports what the\n"
         "window's marks and its chance of over 2.5 have been worth.\n"
         "\n"
         "  --prices WHICH  the over/under 2.5 prices bet at: average (before the match,\n"
         "                  the default), closing, best, or a bookmaker's column prefix\n"
         "                  as the files write it (B365, P or PS, PC...)\n"
         "  --matches FILE  writes one CSV row per evaluated match\n"
         "  --plot FILE     draws the calibration and the marks' returns (.svg or .png)\n"
         "  --mark-records FILE\n"
         "                  writes what each mark has been worth, for the window's header\n"
         "                  hints (data/mark-records.txt, from data/seasons)\n"
         "  --fit           prints the goals model's recalibration of the market's chance\n"
         "                  fitted on these seasons, instead of the report\n"
         "  --help          shows this\n";
}

}  // namespace kavero
