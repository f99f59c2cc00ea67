#include "base/field_line.h"

#include <unordered_set>
#include <vector>

#include "base/text_cuts.h"

namespace kavero {

void AppendField(std::string& line, std::string_view field) {
  line += field;
  line += ">>";
}

std::string_view GetField(std::string_view line, int n) {
  for (int i = 1; i < n; ++i) line = TextAfter(line, ">>", 2);
  return TextBefore(line, ">>");
}

std::string DistinctFirstFields(std::string_view text) {
  std::unordered_set<std::string_view> seen;
  std::vector<std::string> collected;
  for (auto line : SplitLines(text)) {
    const auto field = GetField(line, 1);
    if (seen.count(field) != 0 || Trim(field).empty()) continue;
    seen.insert(field);
    collected.emplace_back(field);
  }
  return JoinLines(collected);
}

}  // namespace kavero
