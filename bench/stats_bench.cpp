// Reading one match's pages: the statistics page and both team pages, from
// memory, at a realistic size and a hundred times larger. Time per byte must
// stay flat.
#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "base/cp1251_literal.h"
#include "stats/load_match_stats.h"

namespace kavero {
namespace {

class MemoryPages : public PageSource {
 public:
  void Serve(const std::string& address, std::string body) { pages_[address] = std::move(body); }
  FetchResult Get(const std::string& address) override { return {pages_.at(address), true, ""}; }
  std::size_t Bytes() const {
    std::size_t bytes = 0;
    for (const auto& [address, body] : pages_) bytes += body.size();
    return bytes;
  }

 private:
  std::map<std::string, std::string> pages_;
};

// Menus, banners and scripts around the tables, about 2 KB.
std::string Surroundings() {
  std::string text = "<div class=\"menu\">";
  for (int i = 0; i < 20; ++i) {
    text += "<a href=\"/bets/bets.php?line_id[]=" + std::to_string(i) +
            "\" class=\"m\">Линия — футбол, хоккей</a>\n";
  }
  return text +
         "</div><script>var a = [1, 2, 3]; function f(x) { return x > 2 && x < 9; }</script>\n";
}

std::string HistoryTable(int rows) {
  std::string table =
      "<table class=\"h\"><tr><td colspan=3>Игры</td></tr>\n"
      "<tr><td>Дата</td><td>Матч</td><td>Счёт</td></tr>\n";
  for (int i = 0; i < rows; ++i) {
    table += "<tr class=\"r\"><td class=\"d\">0" + std::to_string(1 + i % 9) +
             ".03.2011</td><td><b>Зенит</b> - Спартак</td><td>" + std::to_string(i % 4) + ":" +
             std::to_string(i % 3) + " (0:0)</td></tr>\n";
  }
  return table + "</table>\n";
}

std::string StatisticsPage(int scale) {
  std::string page = "<html><body>";
  for (int i = 0; i < 12 * scale; ++i) page += Surroundings();
  page += "<h2>Последние игры Зенита</h2>" + HistoryTable(10 * scale);
  page += "<h2>Последние игры Спартака</h2>" + HistoryTable(10 * scale);
  page += "<h2>Очные встречи</h2>" + HistoryTable(10 * scale);
  return page + "</body></html>";
}

std::string TeamPage(const std::string& team, int scale) {
  std::string page = "<html><body>";
  for (int i = 0; i < 6 * scale; ++i) page += Surroundings();
  page += "<table class=\"t\">";
  for (int i = 0; i < 16 * scale; ++i) {
    const std::string name = i == 7 ? team : "Клуб " + std::to_string(i);
    page += "<tr><td>" + std::to_string(i + 1) + "</td><td><b>" + name +
            "</b></td><td>30</td><td>15</td><td>8</td><td>7</td><td>45-30</td><td>+15</td>"
            "<td>53</td></tr>\n";
  }
  page += "</table><table><tr><td colspan=4>Матчи с участием команды</td></tr>\n";
  for (int i = 0; i < 30 * scale; ++i) {
    page += "<tr class=\"m\"><td>1" + std::to_string(i % 10) +
            ".03.11</td><td><a href=\"/team/1\">" + team +
            "</a></td><td><a href=\"/team/2\">Клуб</a></td><td>" + std::to_string(i % 5) + ":" +
            std::to_string(i % 2) + "</td></tr>\n";
  }
  return page + "</table></body></html>";
}

// Cells and rows that are never closed: every search for a closing tag misses
// or lands far ahead, which a plain rescan would turn quadratic.
std::string UnclosedStatisticsPage(int scale) {
  std::string page = "<h2>Последние игры</h2><table><tr></tr><tr></tr>";
  for (int i = 0; i < 1000 * scale; ++i) page += "<td>01.03.2011<td>Зенит - Спартак<td>2:1";
  return page + "</table>";
}

std::string UnclosedTeamPage(const std::string& team, int scale) {
  std::string page = "<table>";
  for (int i = 0; i < 500 * scale; ++i) page += "<tr><td class=p>1<td><b>" + team + "</b>";
  page += "</table>Матчи с участием</tr>";
  for (int i = 0; i < 500 * scale; ++i) page += "<tr class=m><td class=s>2:1";
  return page + "<td>1</td></tr></table>";
}

void RunLoadMatchStats(benchmark::State& state, MemoryPages& pages) {
  MatchRow row;
  row.home = std::string("Зенит"_w1251);
  row.away = std::string("Спартак"_w1251);
  row.url = "stat/1";
  const std::vector<std::string> team_page_list{row.home + ">>http://teams/1>>",
                                                row.away + ">>http://teams/2>>"};
  MatchStats stats;
  for (auto _ : state) {
    LoadMatchStats(row, pages, "http://site/", team_page_list, stats);
    benchmark::DoNotOptimize(stats);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * pages.Bytes()));
  state.counters["page_bytes"] = static_cast<double>(pages.Bytes());
}

void BM_LoadMatchStats(benchmark::State& state) {
  const int scale = static_cast<int>(state.range(0));
  MemoryPages pages;
  pages.Serve("http://site/stat/1", StatisticsPage(scale));
  pages.Serve("http://teams/1", TeamPage("Зенит", scale));
  pages.Serve("http://teams/2", TeamPage("Спартак", scale));
  RunLoadMatchStats(state, pages);
}
BENCHMARK(BM_LoadMatchStats)->Arg(1)->Arg(100)->Unit(benchmark::kMicrosecond);

void BM_LoadMatchStatsUnclosedTags(benchmark::State& state) {
  const int scale = static_cast<int>(state.range(0));
  MemoryPages pages;
  pages.Serve("http://site/stat/1", UnclosedStatisticsPage(scale));
  pages.Serve("http://teams/1", UnclosedTeamPage("Зенит", scale));
  pages.Serve("http://teams/2", UnclosedTeamPage("Спартак", scale));
  RunLoadMatchStats(state, pages);
}
BENCHMARK(BM_LoadMatchStatsUnclosedTags)->Arg(1)->Arg(100)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kavero
