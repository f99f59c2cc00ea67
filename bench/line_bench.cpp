// Throughput of reading a selected-lines page: section cutting and table parsing.
#include <benchmark/benchmark.h>

#include <string>

#include "base/cp1251_literal.h"
#include "line/line_download.h"
#include "line/line_parser.h"

namespace kavero {
namespace {

using namespace kavero::literals;

// One match as the bookmaker writes it: 18 cells, attributes, a link, odds.
std::string MatchRows(int number, bool upper_case) {
  const std::string td = upper_case ? "<TD" : "<td";
  const std::string td_end = upper_case ? "</TD>" : "</td>";
  const std::string n = std::to_string(number);
  std::string row = (upper_case ? "<TR class=\"odd\">" : "<tr class=\"odd\">");
  row += td + " class=\"time\">1" + std::to_string(number % 10) + ":00" + td_end;
  row += td + " class=\"team\"><a href=\"t/" + n + "\">" + std::string("Арсенал"_w1251) + n +
         "</a>" + td_end;
  for (int cell = 3; cell <= 13; ++cell) {
    row += td + " class=\"k\"><b>" + std::to_string(cell % 4 + 1) + ".8" + n.substr(0, 1) + "</b>" +
           td_end;
  }
  row += td + " class=\"total\"> 2.5 " + td_end;
  row += td + " class=\"k\">1.85" + td_end + td + " class=\"k\">1.95" + td_end;
  row += td + ">&nbsp;" + td_end;
  row += td + "><a href=\"stat/match.php?id=" + n + "\" target=_blank>stat</a>" + td_end;
  return row + "</tr>\r\n";
}

std::string SectionText(int number, int matches) {
  const bool upper_case = number % 4 == 3;  // some tables spell their tags in capitals
  std::string section = std::string("<h3>Футбол. Англия. Премьер-лига "_w1251) +
                        std::to_string(number) + ":</h3>\r\n<table class=\"line\">";
  section += "<tr><th>" + std::string("Время"_w1251) + "</th></tr>\r\n";
  for (int i = 0; i < matches; ++i) {
    if (i % 8 == 0) {
      section += "<tr><td colspan=18 class=\"date\">" + std::to_string(10 + i / 8 % 18) +
                 ".02.2011</td></tr>\r\n";
    }
    section += MatchRows(number * 100 + i, upper_case);
  }
  return section + "</table>\r\n";
}

std::string LinePage(std::size_t bytes) {
  std::string page = "<html><body>";
  for (int number = 0; page.size() < bytes; ++number) page += SectionText(number, 24);
  return page + "<form name=cc></form></body></html>";
}

void BM_ParseLinePage(benchmark::State& state) {
  const auto page = LinePage(static_cast<std::size_t>(state.range(0)) << 20);
  for (auto _ : state) benchmark::DoNotOptimize(ParseLinePage(page, RunHooks{}));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_ParseLinePage)->Arg(1)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond);

// One championship table as large as a whole page.
void BM_ParseLineTable(benchmark::State& state) {
  const auto bytes = static_cast<std::size_t>(state.range(0)) << 20;
  const auto section = SectionText(3, static_cast<int>(bytes / MatchRows(0, false).size()));
  for (auto _ : state) benchmark::DoNotOptimize(ParseLineTable(section, "A"));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * section.size()));
}
BENCHMARK(BM_ParseLineTable)->Arg(1)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kavero
