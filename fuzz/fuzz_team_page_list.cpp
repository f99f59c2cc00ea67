// The list of team page addresses, and looking a club up in it.
// Input: list, byte 0x01, club name.
#include "base/field_line.h"
#include "base/text_cuts.h"
#include "fuzz_input.h"
#include "stats/team_page.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto [text, team] = kavero::fuzz::SplitInput(kavero::fuzz::AsText(data, size));
  std::vector<std::string> list;
  for (auto line : kavero::SplitLines(text)) list.emplace_back(line);
  const auto entry = kavero::FindTeamEntry(list, team);
  kavero::GetField(entry, 2);
  return 0;
}
