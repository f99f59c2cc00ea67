// A team's page, read whole through the statistics of a match whose two
// clubs both point at it. Input: page, byte 0x01, team name.
#include "fuzz_input.h"
#include "stats/load_match_stats.h"
#include "stats/team_page.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto [page_text, team] = kavero::fuzz::SplitInput(kavero::fuzz::AsText(data, size));
  kavero::fuzz::FixedPage page(page_text);
  kavero::ReadTeamPage(page, team, "http://127.0.0.1:1/team.html");

  kavero::MatchRow row;
  row.home = std::string(team);
  row.away = std::string(team);
  const std::vector<std::string> list = {row.home + ">>http://127.0.0.1:1/team.html>>"};
  kavero::MatchStats stats;
  kavero::LoadMatchStats(row, page, "http://127.0.0.1:1/", list, stats);
  return 0;
}
