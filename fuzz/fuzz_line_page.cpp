// The betting line as LoadLine meets it: the menu's football sections, the
// page of those sections cut into championship tables, and the rows written
// into the match table. Input: menu, byte 0x01, line page; without that byte
// the input serves as both.
#include "fuzz_input.h"
#include "line/line_parser.h"
#include "line/load_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto text = kavero::fuzz::AsText(data, size);
  auto [menu, page] = kavero::fuzz::SplitInput(text);
  if (page.empty()) page = text;
  kavero::fuzz::FixedSite site(menu, page);
  kavero::Gauge gauge;
  const kavero::RunHooks hooks{&gauge, {}};
  kavero::MatchTable table;
  kavero::LoadLine(table, site, "http://127.0.0.1:1/", hooks, {2026, 12, 10},
                   "d/M/yy 'at' dd.MM.yyyy");
  // The reader for one table on its own, outside the page's unified copy.
  kavero::ParseLineTable(page, "x");
  return 0;
}
