#include "stats/stats_pass.h"

#include "stats/load_match_stats.h"
#include "stats/read_ahead.h"

namespace kavero {

StatsPass::StatsPass(const MatchTable& table, StatsSources sources, bool read_ahead,
                     std::function<void()> process_messages)
    : table_(table), sources_(std::move(sources)), process_messages_(std::move(process_messages)) {
  if (!read_ahead) return;
  fetcher_ = sources_.client.NewPageBatch();
  ahead_ = std::make_unique<ReadAhead>(
      *fetcher_, PlanPass(table_, sources_.bookmaker_site, sources_.team_page_list));
}

StatsPass::~StatsPass() = default;

void StatsPass::Load(std::size_t row, MatchStats& stats) {
  if (!ahead_) {
    LoadMatchStats(table_[row], sources_.client, sources_.bookmaker_site, sources_.team_page_list,
                   stats, sources_.team_list_failure);
    return;
  }
  ahead_->WaitForRow(row, process_messages_);
  LoadMatchStats(table_[row], *ahead_, sources_.bookmaker_site, sources_.team_page_list, stats,
                 sources_.team_list_failure);
}

}  // namespace kavero
