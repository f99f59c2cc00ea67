// Saving a table to "saves.txt" (publishing it in Russian) and exporting it as CSV.
#include <chrono>
#include <cstdio>
#include <ctime>

#include "analysis/analysis.h"
#include "results/match_csv.h"
#include "results/replace_file.h"
#include "web/keeping_turn.h"

namespace kavero {
namespace {

// "yyyy-MM-dd_HH-mm-ss-zzz" in local time: the name of a save kept aside.
std::string NowStamp() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto milliseconds =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm local{};
  localtime_r(&seconds, &local);
  char text[32];
  const std::size_t length = std::strftime(text, sizeof text, "%Y-%m-%d_%H-%M-%S", &local);
  std::snprintf(text + length, sizeof text - length, "-%03d", static_cast<int>(milliseconds));
  return text;
}

}  // namespace

SaveOutcome Analysis::SaveTable(const MatchTable& table) {
  // The probe and the post keep the window answering while the publisher thinks.
  const auto pumping = client_.NewPumpingClient(hooks_.process_messages);
  const ProbeLimits limits = config_.probe_limits;
  return SaveResults(table, {.language = language_,
                             .today = TodayText(),
                             .decimal_separator = config_.decimal_separator,
                             .file_path = config_.saves_path,
                             .client = *pumping,
                             .publishing_server = config_.publishing_server,
                             .probe =
                                 [this, limits](const std::string& address) {
                                   return KeepingTurn([probe = url_responds_, address,
                                                       limits] { return probe(address, limits); },
                                                      hooks_.process_messages);
                                 },
                             .previous_saves_folder = config_.previous_saves_folder,
                             .now = NowStamp()});
}

void Analysis::Save(Grid grid) {
  const MatchTable& table = Rows(grid);
  const SaveOutcome outcome = SaveTable(table);
  Status status{.kind = Status::Kind::kSaved,
                .publishing = RunPublishing{outcome, TodayText(), table.size()},
                .saved_to = config_.saves_path,
                .log = Status::Log::kAppend};
  Note(&status.report, outcome.failure);
  ShowStatus(status);
}

void Analysis::ExportCsv(Grid grid, const std::string& path) const {
  std::vector<CsvMatchRow> rows;
  rows.reserve(Rows(grid).size());
  for (const MatchRow& row : Rows(grid)) {
    const history::LineMovement* seen = history_.MovementOf(row);
    rows.push_back({&row, row.steps_read, seen ? seen->first.under : std::string(),
                    seen ? seen->first.over : std::string()});
  }
  // A file that cannot be written throws, and an earlier file of that name
  // stays as it was.
  ReplaceFile(path,
              MatchTableCsv(rows, language_, config_.decimal_separator, config_.short_date_format));
}

}  // namespace kavero
