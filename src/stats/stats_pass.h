#pragma once
// One pass of match statistics over a table's rows, in row order: the run's
// statistics pass, its publishing loop and "Go Total All". With read-ahead the
// pages of the coming rows are fetched while earlier rows are read.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/match_table.h"
#include "stats/match_stats.h"
#include "web/page_batch.h"
#include "web/session_client.h"

namespace kavero {

class ReadAhead;

struct StatsSources {
  SessionClient& client;
  std::string bookmaker_site;
  const std::vector<std::string>& team_page_list;
  // Set when the team page list could not be read (see LoadMatchStats).
  const PageProblem* team_list_failure = nullptr;
};

class StatsPass {
 public:
  // The pages each row needs are planned from the rows as they stand now.
  // `process_messages` runs while a row waits for its pages; it may throw.
  StatsPass(const MatchTable& table, StatsSources sources, bool read_ahead,
            std::function<void()> process_messages);
  ~StatsPass();
  StatsPass(const StatsPass&) = delete;
  StatsPass& operator=(const StatsPass&) = delete;

  // LoadMatchStats for row `row` of the table.
  void Load(std::size_t row, MatchStats& stats);

 private:
  const MatchTable& table_;
  StatsSources sources_;
  std::function<void()> process_messages_;
  std::unique_ptr<PageBatch> fetcher_;
  std::unique_ptr<ReadAhead> ahead_;
};

}  // namespace kavero
